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
#include "resources/ControlIds.h"

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
    return ctl::kKeyPoint;
  case '0':
    return ctl::kKey0;
  case 'C':
    return ctl::kKeyClear;
  default:
    return ctl::kKey1 + (key - '1');
  }
}

void Press(QDialog &dlg, const char *keys) {
  for (const char *k = keys; *k; ++k) {
    auto *button = platform::DlgItem<QPushButton>(&dlg, KeyId(*k));
    ASSERT_NE(button, nullptr) << *k;
    QTest::mouseClick(button, Qt::LeftButton);
  }
}

// The owner of the dialogs with the two set-point boxes they write.
class Panel : public QWidget {
public:
  Panel() {
    m_boxes[0]->setText(QStringLiteral("1.000"));
    m_boxes[1]->setText(QStringLiteral("2.000"));
  }
  QWidget *Target(int channel) const { return m_boxes[channel - 1]; }
  QString Box(int channel) const { return m_boxes[channel - 1]->text(); }

private:
  CVoltEdit *m_boxes[2] = {new CVoltEdit(this), new CVoltEdit(this)};
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
      dlg = std::make_unique<CKeypadCh1Dlg>(&panel, panel.Target(1));
    else
      dlg = std::make_unique<CKeypadCh2Dlg>(&panel, panel.Target(2));
    dlg->show();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("KEYBOARD_CH%1").arg(c.channel));
    auto *box = platform::DlgItem<CVoltEdit>(dlg.get(), ctl::kKeyResult);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly()); // a read-only line edit draws no caret
    Press(*dlg, c.keys);
    if (c.typed)
      QTest::keyClick(box, c.typed);
    EXPECT_EQ(box->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(dlg->Result(), QString::fromLatin1(c.written));
    QTest::mouseClick(platform::DlgItem<QPushButton>(dlg.get(), ctl::kKeySet), Qt::LeftButton);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(panel.Box(c.channel), QString::fromLatin1(c.written));
    EXPECT_EQ(panel.Box(3 - c.channel), QString::fromLatin1(c.channel == 1 ? "2.000" : "1.000"));
  }
}

TEST(Keypad, ModalRunSetsAndEscapeCancels) {
  Panel panel;
  {
    CKeypadCh1Dlg dlg(&panel, panel.Target(1));
    QTimer::singleShot(0, &dlg, [&dlg] {
      Press(dlg, "4.2");
      QTest::keyClick(&dlg, Qt::Key_Return); // SET is the default button
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(panel.Box(1), QStringLiteral("4.2"));
  }
  CKeypadCh1Dlg dlg(&panel, panel.Target(1));
  QTimer::singleShot(0, &dlg, [&dlg] {
    Press(dlg, "6.1");
    QTest::keyClick(platform::GetDlgItem(&dlg, ctl::kKeyResult), Qt::Key_Escape);
  });
  EXPECT_EQ(dlg.exec(), QDialog::Rejected);
  EXPECT_EQ(panel.Box(1), QStringLiteral("4.2"));
  EXPECT_EQ(panel.Box(2), QStringLiteral("2.000"));
}

// Channel on: typing reaches the box and OK writes it; off: nothing types and OK empties it.
TEST(VoltSet, OkWritesOnlyItsChannelsSetPointBox) {
  const std::pair<bool, const char *> cases[] = {{true, "5.25"}, {false, ""}};
  for (const auto &[on, written] : cases) {
    Panel panel;
    CVoltSetCh1Dlg dlg(&panel, panel.Target(1), on);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("VOLT_SET_CH1"));
    ASSERT_NE(dlg.VoltEdit(), nullptr);
    QTest::keyClicks(dlg.VoltEdit(), QStringLiteral("5.25"));
    EXPECT_EQ(dlg.VoltEdit()->isReadOnly(), !on);
    EXPECT_EQ(dlg.VoltEdit()->text(), QString::fromLatin1(written)) << on;
    QTest::mouseClick(platform::DlgItem<QPushButton>(&dlg, ctl::kVoltSetOk), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(panel.Box(1), QString::fromLatin1(written)) << on;
    EXPECT_EQ(panel.Box(2), QStringLiteral("2.000")) << on;
  }
}

TEST(VoltSet, Ch2WritesOnlyItsBoxAndBothCancelsLeaveThePanel) {
  Panel panel;
  {
    CVoltSetCh2Dlg dlg(&panel, panel.Target(2), true);
    QTimer::singleShot(0, &dlg, [&dlg] {
      QTest::keyClicks(dlg.VoltEdit(), QStringLiteral("3.3"));
      QTest::keyClick(dlg.VoltEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
  }
  // Each dialog's Cancel button, and Escape (button 0), drop what was typed.
  const std::pair<int, int> cancels[] = {
      {2, ctl::kVoltSetCh2Cancel}, {1, ctl::kVoltSetCh1Cancel}, {1, 0}};
  for (const auto &[channel, button] : cancels) {
    std::unique_ptr<CVoltSetDlg> dlg;
    if (channel == 1)
      dlg = std::make_unique<CVoltSetCh1Dlg>(&panel, panel.Target(1), true);
    else
      dlg = std::make_unique<CVoltSetCh2Dlg>(&panel, panel.Target(2), true);
    QTimer::singleShot(0, dlg.get(), [d = dlg.get(), button] {
      QTest::keyClicks(d->VoltEdit(), QStringLiteral("4.4"));
      if (button)
        QTest::mouseClick(platform::DlgItem<QPushButton>(d, button), Qt::LeftButton);
      else
        QTest::keyClick(d->VoltEdit(), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg->exec(), QDialog::Rejected) << button;
  }
  EXPECT_EQ(panel.Box(2), QStringLiteral("3.3"));
  EXPECT_EQ(panel.Box(1), QStringLiteral("1.000"));
}
