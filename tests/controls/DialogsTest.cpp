#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "controls/CKeypadCh1Dlg.h"
#include "controls/CKeypadCh2Dlg.h"
#include "controls/CVoltEdit.h"
#include "controls/CVoltSetCh1Dlg.h"
#include "controls/CVoltSetCh2Dlg.h"
#include "controls/KeypadRules.h"
#include "platform/CDialogBuilder.h"

using platform::GetDlgItemText;

namespace {

// Keys as the keypad's buttons: digits, '.' and 'C' for Clear.
QString Compose(const char *keys) {
  QString text;
  for (const char *k = keys; *k; ++k) {
    if (*k == 'C')
      text.clear();
    else if (*k == '.')
      text = controls::KeypadPoint(text, 4);
    else
      text = controls::KeypadDigit(text, static_cast<char16_t>(*k), 4, 1);
  }
  return text;
}

int KeyId(char key) {
  switch (key) {
  case '.':
    return 1084;
  case '0':
    return 1085;
  case 'C':
    return 1086;
  default:
    return 1075 + (key - '1');
  }
}

void Press(QDialog &dlg, const char *keys) {
  for (const char *k = keys; *k; ++k) {
    auto *button = platform::DlgItem<QPushButton>(&dlg, KeyId(*k));
    ASSERT_NE(button, nullptr) << *k;
    QTest::mouseClick(button, Qt::LeftButton);
  }
}

// The parts of the panel the dialogs touch: the set-point boxes and the channel buttons.
class Panel : public QWidget {
public:
  Panel() {
    static const platform::DialogTemplate tmpl{
        0,
        "",
        200,
        60,
        "",
        9,
        {
            {1053, platform::ControlKind::PushButton, "OFF", 0, 0, 30, 14},
            {1054, platform::ControlKind::PushButton, "OFF", 40, 0, 30, 14},
            {1001, platform::ControlKind::Edit, "", 0, 20, 50, 14, platform::kReadOnly},
            {1008, platform::ControlKind::Edit, "", 60, 20, 50, 14, platform::kReadOnly},
        }};
    platform::CDialogBuilder::Build(
        this, tmpl, [](const platform::ControlTemplate &c, QWidget *parent) -> QWidget * {
          return c.id == 1001 || c.id == 1008 ? new CVoltEdit(parent) : nullptr;
        });
    platform::SetDlgItemText(this, 1001, QStringLiteral("1.000"));
    platform::SetDlgItemText(this, 1008, QStringLiteral("2.000"));
  }
  QString Box(int id) const { return GetDlgItemText(this, id); }
};

} // namespace

TEST(KeypadRules, KeySequences) {
  const std::pair<const char *, const char *> cases[] = {
      {"55", "5"},        {"5.2501", "5.250"}, {".", ""},    {"5..", "5."},  {"95", "9"},
      {"9.4", "9.000"},   {"9.43.7", "9.000"}, {"9.4C", ""}, {"0.3", "0.3"}, {"8.999", "8.999"},
      {"1.2C7.5", "7.5"}, {"12.", "1."},       {"", ""},
  };
  for (const auto &[keys, expected] : cases)
    EXPECT_EQ(Compose(keys), QString::fromLatin1(expected)) << keys;
}

TEST(Keypad, KeysShowTheTextAndSetWritesOnlyItsOwnBox) {
  Panel panel;
  CKeypadCh1Dlg dlg(&panel);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("KEYBOARD_CH1"));
  auto *box = platform::DlgItem<CVoltEdit>(&dlg, 1088);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isReadOnly()); // a read-only line edit draws no caret
  Press(dlg, "5.2501");
  EXPECT_EQ(box->text(), QStringLiteral("5.250"));
  QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, 1087), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(panel.Box(1001), QStringLiteral("5.250"));
  EXPECT_EQ(panel.Box(1008), QStringLiteral("2.000"));

  CKeypadCh2Dlg dlg2(&panel);
  dlg2.show();
  EXPECT_EQ(dlg2.windowTitle(), QStringLiteral("KEYBOARD_CH2"));
  Press(dlg2, "7.");
  QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg2, 1087), Qt::LeftButton);
  EXPECT_EQ(panel.Box(1008), QStringLiteral("7."));
  EXPECT_EQ(panel.Box(1001), QStringLiteral("5.250"));
}

TEST(Keypad, EmptySetEmptiesTheBoxAndClearEmptiesTheText) {
  Panel panel;
  CKeypadCh1Dlg dlg(&panel);
  dlg.show();
  Press(dlg, "3.1C");
  EXPECT_TRUE(dlg.Result().isEmpty());
  EXPECT_TRUE(platform::GetDlgItemText(&dlg, 1088).isEmpty());
  QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, 1087), Qt::LeftButton);
  EXPECT_EQ(panel.Box(1001), QString());
}

TEST(Keypad, TypingIntoTheResultBoxChangesOnlyWhatItShows) {
  Panel panel;
  CKeypadCh2Dlg dlg(&panel);
  dlg.show();
  Press(dlg, "9.");
  QWidget *box = platform::GetDlgItem(&dlg, 1088);
  QTest::keyClick(box, '4');
  EXPECT_EQ(platform::GetWindowText(box), QStringLiteral("9.000"));
  EXPECT_EQ(dlg.Result(), QStringLiteral("9."));
  QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, 1087), Qt::LeftButton);
  EXPECT_EQ(panel.Box(1008), QStringLiteral("9."));
}

TEST(Keypad, ModalRunSetsAndEscapeCancels) {
  Panel panel;
  {
    CKeypadCh1Dlg dlg(&panel);
    QTimer::singleShot(0, &dlg, [&dlg] {
      Press(dlg, "4.2");
      QTest::keyClick(&dlg, Qt::Key_Return); // SET is the default button
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(panel.Box(1001), QStringLiteral("4.2"));
  }
  CKeypadCh1Dlg dlg(&panel);
  QTimer::singleShot(0, &dlg, [&dlg] {
    Press(dlg, "6.1");
    QTest::keyClick(platform::GetDlgItem(&dlg, 1088), Qt::Key_Escape);
  });
  EXPECT_EQ(dlg.exec(), QDialog::Rejected);
  EXPECT_EQ(panel.Box(1001), QStringLiteral("4.2"));
  EXPECT_EQ(panel.Box(1008), QStringLiteral("2.000"));
}

TEST(VoltSet, ChannelOnTypesAndOkWritesTheSetPointBox) {
  Panel panel;
  platform::SetDlgItemText(&panel, 1053, QStringLiteral("ON"));
  CVoltSetCh1Dlg dlg(&panel);
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("VOLT_SET_CH1"));
  CVoltEdit *box = dlg.VoltEdit();
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isReadOnly());
  QTest::keyClicks(box, QStringLiteral("5.25"));
  QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, 1126), Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(panel.Box(1001), QStringLiteral("5.25"));
  EXPECT_EQ(panel.Box(1008), QStringLiteral("2.000"));
}

TEST(VoltSet, ReadOnlyUnlessTheCaptionIsExactlyOn) {
  const std::pair<const char *, bool> cases[] = {
      {"ON", false}, {"OFF", true}, {"On", true}, {"ON ", true}, {"", true}};
  for (const auto &[caption, readOnly] : cases) {
    Panel panel;
    platform::SetDlgItemText(&panel, 1054, QString::fromLatin1(caption));
    platform::SetDlgItemText(&panel, 1053, QStringLiteral("ON")); // the other channel's button
    CVoltSetCh2Dlg dlg(&panel);
    dlg.show();
    EXPECT_EQ(dlg.VoltEdit()->isReadOnly(), readOnly) << caption;
  }
}

TEST(VoltSet, ChannelOffOkEmptiesTheBox) {
  Panel panel;
  CVoltSetCh1Dlg dlg(&panel);
  dlg.show();
  QTest::keyClicks(dlg.VoltEdit(), QStringLiteral("5.2"));
  EXPECT_TRUE(dlg.VoltEdit()->text().isEmpty());
  QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, 1126), Qt::LeftButton);
  EXPECT_EQ(panel.Box(1001), QString());
  EXPECT_EQ(panel.Box(1008), QStringLiteral("2.000"));
}

TEST(VoltSet, Ch2WritesOnlyItsBoxAndBothCancelsLeaveThePanel) {
  Panel panel;
  platform::SetDlgItemText(&panel, 1054, QStringLiteral("ON"));
  {
    CVoltSetCh2Dlg dlg(&panel);
    QTimer::singleShot(0, &dlg, [&dlg] {
      QTest::keyClicks(dlg.VoltEdit(), QStringLiteral("3.3"));
      QTest::keyClick(dlg.VoltEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
  }
  EXPECT_EQ(panel.Box(1008), QStringLiteral("3.3"));
  EXPECT_EQ(panel.Box(1001), QStringLiteral("1.000"));
  {
    CVoltSetCh2Dlg dlg(&panel); // its "Cancel" carries id 4
    QTimer::singleShot(0, &dlg, [&dlg] {
      QTest::keyClicks(dlg.VoltEdit(), QStringLiteral("4.4"));
      QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, 4), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
  }
  {
    CVoltSetCh1Dlg dlg(&panel);
    QTimer::singleShot(0, &dlg, [&dlg] { QTest::keyClick(dlg.VoltEdit(), Qt::Key_Escape); });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
  }
  {
    CVoltSetCh1Dlg dlg(&panel);
    QTimer::singleShot(0, &dlg, [&dlg] {
      QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, 2), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
  }
  EXPECT_EQ(panel.Box(1008), QStringLiteral("3.3"));
  EXPECT_EQ(panel.Box(1001), QStringLiteral("1.000"));
}
