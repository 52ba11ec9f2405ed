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

// The keypad composes its text from its keys (their rules are KeySequences above), clicked or
// typed with the focus on a button; typing into its read-only result box changes only what it
// shows. The volt-set box takes typing only while its channel is on. SET or OK (clicked, Return
// or Enter) writes the text shown, empty too, into its own channel's box only; Cancel and Escape
// leave both boxes alone.
TEST(Dialogs, WriteWhatTheyShowIntoTheirOwnChannelsBoxOnly) {
  const struct {
    char kind; // keypad with its keys 'c'licked or 't'yped; volt-set with the channel 'o'n or 'f'f
    int channel;
    const char *keys; // keypad keys ('C' is Clear), or what is typed into the volt-set box
    char extra;       // typed into the keypad's result box afterwards; 0: nothing
    const char *shown;
    int end;             // a button to click, or the key that ends the dialog
    const char *written; // nullptr: nothing written
  } cases[] = {{'c', 2, "7.", 0, "7.", Qt::Key_Return, "7."},
               {'c', 1, "3.1C", 0, "", ctl::kKeySet, ""},
               {'c', 2, "9.", '4', "9.000", ctl::kKeySet, "9."},
               {'c', 1, "6.1", 0, "6.1", Qt::Key_Escape, nullptr},
               {'t', 1, "3.1C6,25", 0, "6.25", Qt::Key_Return, "6.25"},
               {'t', 2, "5..3", 0, "5.3", Qt::Key_Enter, "5.3"},
               {'o', 1, "5.25", 0, "5.25", ctl::kVoltSetOk, "5.25"},
               {'f', 1, "5.25", 0, "", ctl::kVoltSetOk, ""},
               {'o', 2, "5.25", 0, "5.25", Qt::Key_Return, "5.25"},
               {'o', 2, "5.25", 0, "5.25", ctl::kVoltSetCh2Cancel, nullptr},
               {'o', 1, "5.25", 0, "5.25", ctl::kVoltSetCh1Cancel, nullptr},
               {'o', 1, "5.25", 0, "5.25", Qt::Key_Escape, nullptr}};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << c.channel << c.keys);
    Panel panel;
    QWidget *target = panel.Target(c.channel);
    const bool keypad = c.kind == 'c' || c.kind == 't';
    std::unique_ptr<QDialog> dlg;
    if (keypad)
      dlg.reset(c.channel == 1 ? static_cast<QDialog *>(new CKeypadCh1Dlg(&panel, target))
                               : new CKeypadCh2Dlg(&panel, target));
    else
      dlg.reset(c.channel == 1
                    ? static_cast<QDialog *>(new CVoltSetCh1Dlg(&panel, target, c.kind == 'o'))
                    : new CVoltSetCh2Dlg(&panel, target, c.kind == 'o'));
    const QString kept = panel.Box(c.channel);
    const int result = RunModal(*dlg, [&c, keypad, d = dlg.get()] {
      EXPECT_EQ(d->windowTitle(),
                QLatin1String(keypad ? "KEYBOARD_CH" : "VOLT_SET_CH") + QString::number(c.channel));
      CVoltEdit *box = keypad ? platform::DlgItem<CVoltEdit>(d, ctl::kKeyResult)
                              : static_cast<CVoltSetDlg *>(d)->VoltEdit();
      if (keypad)
        platform::GetDlgItem(d, ctl::kKey5)->setFocus();
      for (const char *k = c.keys; *k; ++k) {
        const auto key = *k == 'C' ? Qt::Key_Backspace : static_cast<Qt::Key>(*k);
        const int id = controls::KeypadKeyControl(key, QString(QLatin1Char(*k == 'C' ? '\b' : *k)));
        if (c.kind == 'c')
          QTest::mouseClick(platform::DlgItem<QPushButton>(d, id), Qt::LeftButton);
        else
          QTest::keyClick(keypad ? d->focusWidget() : box, key);
      }
      if (c.extra)
        QTest::keyClick(box, c.extra);
      EXPECT_EQ(box->text(), QString::fromLatin1(c.shown));
      if (c.end < Qt::Key_Escape)
        QTest::mouseClick(platform::DlgItem<QPushButton>(d, c.end), Qt::LeftButton);
      else
        QTest::keyClick(c.kind == 't' ? d->focusWidget() : box, static_cast<Qt::Key>(c.end));
    });
    EXPECT_EQ(result, c.written ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(panel.Box(c.channel), c.written ? QString::fromLatin1(c.written) : kept);
    EXPECT_EQ(panel.Box(3 - c.channel), QString::fromLatin1(c.channel == 1 ? "2.000" : "1.000"));
  }
}
