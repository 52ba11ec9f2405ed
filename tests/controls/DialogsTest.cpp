#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "controls/CKeypadCh1Dlg.h"
#include "controls/CKeypadCh2Dlg.h"
#include "controls/CVoltEdit.h"
#include "controls/CVoltSetCh1Dlg.h"
#include "controls/CVoltSetCh2Dlg.h"
#include "controls/KeypadKeys.h"
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

namespace {
// Runs the dialog modally; `operate` acts on it from inside the nested loop.
int RunModal(QDialog &dlg, const std::function<void()> &operate) {
  QTimer::singleShot(0, &dlg, [&dlg, &operate] {
    operate();
    if (dlg.isVisible())
      dlg.done(-1); // left open: the check of the result fails instead of waiting for ever
  });
  return dlg.exec();
}
} // namespace

// Keys compose the text (their rules are KeySequences above), clicked or typed with the focus
// on a button; typing into the read-only result box changes only what it shows; SET (clicked,
// or Return) writes the composed text, empty too, into its own box only; Escape leaves both
// boxes alone.
TEST(Keypad, SetWritesTheComposedTextIntoItsOwnBoxOnly) {
  const struct {
    int channel;
    const char *keys;
    bool typed;
    char extra; // typed into the result box afterwards; 0: nothing
    const char *shown;
    Qt::Key end;         // Key_unknown: a click on SET
    const char *written; // nullptr: nothing written
  } cases[] = {{2, "7.", false, 0, "7.", Qt::Key_Return, "7."},
               {1, "3.1C", false, 0, "", Qt::Key_unknown, ""},
               {2, "9.", false, '4', "9.000", Qt::Key_unknown, "9."},
               {1, "6.1", false, 0, "6.1", Qt::Key_Escape, nullptr},
               {1, "3.1C6,25", true, 0, "6.25", Qt::Key_Return, "6.25"},
               {2, "5..3", true, 0, "5.3", Qt::Key_Enter, "5.3"}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.keys);
    Panel panel;
    std::unique_ptr<CKeypadDlg> dlg;
    if (c.channel == 1)
      dlg = std::make_unique<CKeypadCh1Dlg>(&panel, panel.Target(1));
    else
      dlg = std::make_unique<CKeypadCh2Dlg>(&panel, panel.Target(2));
    const QString kept = panel.Box(c.channel);
    const int result = RunModal(*dlg, [&c, d = dlg.get()] {
      EXPECT_EQ(d->windowTitle(), QStringLiteral("KEYBOARD_CH%1").arg(c.channel));
      auto *box = platform::DlgItem<CVoltEdit>(d, ctl::kKeyResult);
      platform::GetDlgItem(d, ctl::kKey5)->setFocus();
      for (const char *k = c.keys; *k; ++k) {
        const auto key = *k == 'C' ? Qt::Key_Backspace : static_cast<Qt::Key>(*k);
        const int id = controls::KeypadKeyControl(key, QString(QLatin1Char(*k == 'C' ? '\b' : *k)));
        if (c.typed)
          QTest::keyClick(d->focusWidget(), key);
        else
          QTest::mouseClick(platform::DlgItem<QPushButton>(d, id), Qt::LeftButton);
      }
      if (c.extra)
        QTest::keyClick(box, c.extra);
      EXPECT_EQ(box->text(), QString::fromLatin1(c.shown));
      if (c.end == Qt::Key_unknown)
        QTest::mouseClick(platform::DlgItem<QPushButton>(d, ctl::kKeySet), Qt::LeftButton);
      else
        QTest::keyClick(c.typed ? d->focusWidget() : box, c.end);
    });
    EXPECT_EQ(result, c.written ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(panel.Box(c.channel), c.written ? QString::fromLatin1(c.written) : kept);
    EXPECT_EQ(panel.Box(3 - c.channel), QString::fromLatin1(c.channel == 1 ? "2.000" : "1.000"));
  }
}

// Channel on: typing reaches the box; off: nothing types. OK (clicked or Return) writes the box's
// text into its channel's set-point box only; Cancel and Escape drop what was typed.
TEST(VoltSet, OkWritesOnlyItsChannelsSetPointBox) {
  const struct {
    int channel;
    bool on;
    int button;          // 0: Return, -1: Escape
    const char *written; // nullptr: the box keeps its text
  } cases[] = {{1, true, ctl::kVoltSetOk, "5.25"},
               {1, false, ctl::kVoltSetOk, ""},
               {2, true, 0, "5.25"},
               {2, true, ctl::kVoltSetCh2Cancel, nullptr},
               {1, true, ctl::kVoltSetCh1Cancel, nullptr},
               {1, true, -1, nullptr}};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.channel << c.on << c.button);
    Panel panel;
    std::unique_ptr<CVoltSetDlg> dlg;
    if (c.channel == 1)
      dlg = std::make_unique<CVoltSetCh1Dlg>(&panel, panel.Target(1), c.on);
    else
      dlg = std::make_unique<CVoltSetCh2Dlg>(&panel, panel.Target(2), c.on);
    const QString kept = panel.Box(c.channel);
    const int result = RunModal(*dlg, [&c, d = dlg.get()] {
      EXPECT_EQ(d->windowTitle(), QStringLiteral("VOLT_SET_CH%1").arg(c.channel));
      QTest::keyClicks(d->VoltEdit(), QStringLiteral("5.25"));
      EXPECT_EQ(d->VoltEdit()->text(), QString::fromLatin1(c.on ? "5.25" : ""));
      if (c.button > 0)
        QTest::mouseClick(platform::DlgItem<QPushButton>(d, c.button), Qt::LeftButton);
      else
        QTest::keyClick(d->VoltEdit(), c.button == 0 ? Qt::Key_Return : Qt::Key_Escape);
    });
    EXPECT_EQ(result, c.written ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(panel.Box(c.channel), c.written ? QString::fromLatin1(c.written) : kept);
    EXPECT_EQ(panel.Box(3 - c.channel), QString::fromLatin1(c.channel == 1 ? "2.000" : "1.000"));
  }
}
