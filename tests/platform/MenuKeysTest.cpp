#include <gtest/gtest.h>

#include "platform/MenuKeys.h"
#include "tests/support/TestHelpers.h"

using platform::MenuCharTarget;

// Captions without '&' answer their first letter (cycling when several share it, running when one
// has it), else a character found in one caption only; '&' items keep their own mnemonic.
TEST(MenuKeys, TypedCharacterChoosesTheItem) {
  // One caption per '|'; an empty one is a separator.
  const auto menu = [](const char *captions) { return QString::fromLatin1(captions).split(u'|'); };
  const QStringList channel = menu("CH1|CH2|CH3|CH4"), ch1 = menu("Turn Off|Volt_set");
  const QStringList help = menu("Contents|&About KTX2300M(&A)..."), gaps = menu("CH1||CH3|R&&D");
  const QStringList file = menu("&Open...\tCtrl+O|&Save\tCtrl+S||E&xit");
  struct Case {
    const QStringList &captions;
    int current;
    char typed;
    int index;
    bool activate;
  };
  const Case cases[] = {
      {channel, -1, 'c', 0, false}, {channel, 0, 'C', 1, false},  {channel, 3, 'c', 0, false},
      {channel, 1, '2', 1, true},   {channel, 0, 'x', -1, false}, {channel, 0, 'h', 1, false},
      {ch1, -1, 't', 0, true},      {ch1, -1, 'o', 0, false},     {ch1, -1, '_', 1, true},
      {help, -1, 'c', 0, true},     {help, -1, 'a', -1, false},   {help, -1, 'k', -1, false},
      {file, -1, 'e', -1, false},   {gaps, -1, '2', -1, false},   {gaps, 0, 'c', 2, false},
      {gaps, -1, 'r', 3, true},     {gaps, -1, '&', 3, true},
  };
  for (const Case &c : cases) {
    const auto target = MenuCharTarget(c.captions, c.current, QLatin1Char(c.typed));
    EXPECT_EQ(std::pair(target.index, target.activate), std::pair(c.index, c.activate))
        << c.captions.join(u'|').toStdString() << " " << c.typed;
  }
}
