#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

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

// Keys compose the text (their rules are KeySequences above); typing into the read-only result
// box changes only what it shows; SET writes the composed text, empty too, into its own box only.
TEST(Keypad, SetWritesTheComposedTextIntoItsOwnBoxOnly) {
  struct Case {
    int channel;
    const char *keys;
    char typed; // typed into the result box afterwards; 0: nothing
    const char *shown;
    const char *written;
  };
  const Case cases[] = {{1, "5.2501", 0, "5.250", "5.250"},
                        {2, "7.", 0, "7.", "7."},
                        {1, "3.1C", 0, "", ""},
                        {2, "9.", '4', "9.000", "9."}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.keys);
    Panel panel;
    std::unique_ptr<CKeypadDlg> dlg;
    if (c.channel == 1)
      dlg = std::make_unique<CKeypadCh1Dlg>(&panel);
    else
      dlg = std::make_unique<CKeypadCh2Dlg>(&panel);
    dlg->show();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("KEYBOARD_CH%1").arg(c.channel));
    auto *box = platform::DlgItem<CVoltEdit>(dlg.get(), 1088);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly()); // a read-only line edit draws no caret
    Press(*dlg, c.keys);
    if (c.typed)
      QTest::keyClick(box, c.typed);
    EXPECT_EQ(box->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(dlg->Result(), QString::fromLatin1(c.written));
    QTest::mouseClick(platform::DlgItem<QPushButton>(dlg.get(), 1087), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(panel.Box(c.channel == 1 ? 1001 : 1008), QString::fromLatin1(c.written));
    EXPECT_EQ(panel.Box(c.channel == 1 ? 1008 : 1001),
              QString::fromLatin1(c.channel == 1 ? "2.000" : "1.000"));
  }
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

// Channel on: typing reaches the box and OK writes it; off: nothing types and OK empties it.
TEST(VoltSet, OkWritesOnlyItsChannelsSetPointBox) {
  const std::pair<const char *, const char *> cases[] = {{"ON", "5.25"}, {"OFF", ""}};
  for (const auto &[caption, written] : cases) {
    Panel panel;
    platform::SetDlgItemText(&panel, 1053, QString::fromLatin1(caption));
    CVoltSetCh1Dlg dlg(&panel);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("VOLT_SET_CH1"));
    ASSERT_NE(dlg.VoltEdit(), nullptr);
    QTest::keyClicks(dlg.VoltEdit(), QStringLiteral("5.25"));
    EXPECT_EQ(dlg.VoltEdit()->text(), QString::fromLatin1(written)) << caption;
    QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, 1126), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(panel.Box(1001), QString::fromLatin1(written)) << caption;
    EXPECT_EQ(panel.Box(1008), QStringLiteral("2.000")) << caption;
  }
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
