#include <gtest/gtest.h>

#include "platform/MenuKeys.h"
#include "tests/support/TestHelpers.h"

using platform::MenuCharTarget;

// Captions without '&' answer their first letter (cycling when several share it, running when one
// has it), else a character found in one caption only; '&' items keep their own mnemonic.
TEST(MenuKeys, TypedCharacterChoosesTheItem) {
  const QStringList channel{QStringLiteral("CH1"), QStringLiteral("CH2"), QStringLiteral("CH3"),
                            QStringLiteral("CH4")};
  const QStringList ch1{QStringLiteral("Turn Off"), QStringLiteral("Volt_set")};
  const QStringList help{QStringLiteral("Contents"), QStringLiteral("&About KTX2300M(&A)...")};
  const QStringList file{QStringLiteral("&Open...\tCtrl+O"), QStringLiteral("&Save\tCtrl+S"),
                         QString(), QStringLiteral("E&xit")};
  const QStringList gaps{QStringLiteral("CH1"), QString(), QStringLiteral("CH3"),
                         QStringLiteral("R&&D")};
  struct Case {
    const QStringList &captions;
    int current;
    char typed;
    int index;
    bool activate;
  };
  const Case cases[] = {
      {channel, -1, 'c', 0, false}, {channel, 0, 'C', 1, false}, {channel, 3, 'c', 0, false},
      {channel, 1, '2', 1, true},   {channel, -1, '4', 3, true}, {channel, 0, 'x', -1, false},
      {channel, 0, 'h', 1, false},  {ch1, -1, 't', 0, true},     {ch1, 0, 'V', 1, true},
      {ch1, -1, 'o', 0, false},     {ch1, 0, 'o', 1, false},     {ch1, -1, '_', 1, true},
      {help, -1, 'c', 0, true},     {help, -1, 'a', -1, false},  {help, -1, 'k', -1, false},
      {file, -1, 'e', -1, false},   {file, -1, 'o', -1, false},  {file, -1, 'c', -1, false},
      {gaps, -1, '2', -1, false},   {gaps, 0, 'c', 2, false},    {gaps, -1, 'r', 3, true},
      {gaps, -1, '&', 3, true},
  };
  for (const Case &c : cases) {
    const platform::MenuKeyTarget target =
        MenuCharTarget(c.captions, c.current, QLatin1Char(c.typed));
    EXPECT_EQ(target.index, c.index) << c.captions.join(u'|').toStdString() << " " << c.typed;
    EXPECT_EQ(target.activate, c.activate) << c.captions.join(u'|').toStdString() << " " << c.typed;
  }
}
