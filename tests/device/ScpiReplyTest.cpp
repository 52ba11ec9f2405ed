// The instrument's answers: numbers in range or nothing, lines cut at LF and never unbounded.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "device/pwrio/CLineBuffer.h"
#include "device/pwrio/CScpiReply.h"

namespace {

using pwrio::CLineBuffer;
using pwrio::CScpiReply;

constexpr int kNone = -1; // the reply is refused

std::optional<int> Expected(int value) {
  return value == kNone ? std::nullopt : std::optional<int>(value);
}

// Replies already in the scpi-replies corpus (checked below) are not repeated here. -0.010 V is
// the noise of an output that is off; 9.5004 is above 9.5 V though it rounds to 9500 mV; more
// than 32 characters are longer than any real answer.
TEST(ScpiReply, VoltageRepliesAreReadOnlyWhenWellFormedAndInRange) {
  struct Case {
    const char *reply;
    int channel;
    int mv;
  };
  const Case cases[] = {
      {"5.1234E0", 0, 5123}, {".5", 0, 500},     {"5.", 0, 5000},      {"-0.010", 0, 0},
      {"-0.011", 0, kNone},  {"5.5", 2, 5500},   {"5.501", 2, kNone},  {"-5.5001", 3, kNone},
      {"5.0", 4, kNone},     {"5.0", -1, kNone}, {".", 0, kNone},      {"5e", 0, kNone},
      {"1e-400", 0, kNone},  {"++5", 0, kNone},  {"9.5004", 0, kNone}, {"512.3e-2", 0, 5123}};
  for (const Case &c : cases)
    EXPECT_EQ(CScpiReply::ParseMillivolts(c.reply, c.channel), Expected(c.mv))
        << '"' << c.reply << "\" channel " << c.channel;
  EXPECT_EQ(CScpiReply::ParseMillivolts(std::string(31, '0') + "5", 0), 5000);
  EXPECT_EQ(CScpiReply::ParseMillivolts(std::string(30, '0') + "5.0", 0), std::nullopt);
}

// Shape: SCPI's maker,model,serial,firmware unless the profile says ANY. The maker the profile
// may require is checked against the instrument.
TEST(ScpiReply, IdentityIsPrintableAndHasItsFourFields) {
  struct Case {
    std::string reply;
    bool anyShape;
    bool scpiShape;
  };
  const Case cases[] = {{"ACME , PS-4 , , 2.1", true, true},
                        {"KTX,SCPISIM,0", true, false},
                        {"KTX,SCPISIM,0,1.0,extra", true, false},
                        {" ,SCPISIM,0,1.0", true, false},
                        {"   ", false, false},
                        {std::string("KTX,A,\0,X", 9), false, false},
                        {"KTX,A,B,\x7f", false, false},
                        {std::string(200, 'A'), true, false},
                        {std::string(201, 'A'), false, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.reply.substr(0, 40));
    EXPECT_EQ(CScpiReply::IsIdentity(c.reply, {}, false), c.anyShape);
    EXPECT_EQ(CScpiReply::IsIdentity(c.reply, {}, true), c.scpiShape);
  }
}

TEST(ScpiReply, ErrorEntriesAndChannelNumbersAreReadStrictly) {
  struct Case {
    const char *reply;
    int errorCode;
    int channel;
  };
  const Case cases[] = {{"+0,\"No error\"", 0, kNone},
                        {" -222 , \"Data out of range;x\" ", -222, kNone},
                        {"2", 2, 2},
                        {"CH2", kNone, 2},
                        {"\"OUT3\"", kNone, 3},
                        {"2.5", kNone, kNone},
                        {"1000", 1000, kNone},
                        {"0,No error", kNone, kNone},
                        {"", kNone, kNone}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.reply);
    EXPECT_EQ(CScpiReply::ParseErrorCode(c.reply), Expected(c.errorCode));
    EXPECT_EQ(CScpiReply::ParseChannelNumber(c.reply), Expected(c.channel));
  }
}

TEST(ScpiLineBuffer, CutsLinesAcrossChunksAndRefusesEndlessOnes) {
  CLineBuffer buffer;
  std::string line;
  buffer.Append("5.0", 3);
  EXPECT_EQ(buffer.Take(line), CLineBuffer::Next::kNeedMore);
  buffer.Append("00\r\nKTX\n1", 9);
  ASSERT_EQ(buffer.Take(line), CLineBuffer::Next::kLine);
  EXPECT_EQ(line, "5.000");
  ASSERT_EQ(buffer.Take(line), CLineBuffer::Next::kLine);
  EXPECT_EQ(line, "KTX");
  EXPECT_EQ(buffer.Take(line), CLineBuffer::Next::kNeedMore);
  EXPECT_EQ(buffer.Pending(), 1u);

  // A line of exactly the limit is still a line; an endless one is refused, and not kept.
  buffer.Clear();
  const std::string longest(CLineBuffer::kMaxLine, '7');
  buffer.Append(longest.data(), longest.size());
  buffer.Append("\r\n", 2);
  ASSERT_EQ(buffer.Take(line), CLineBuffer::Next::kLine);
  EXPECT_EQ(line, longest);

  const std::string flood(100000, '9');
  buffer.Append(flood.data(), flood.size());
  EXPECT_EQ(buffer.Take(line), CLineBuffer::Next::kTooLong);
  EXPECT_LE(buffer.Pending(), CLineBuffer::kMaxLine + 2);
}

// The fuzz target's seed replies double as cases: the file name says channel and outcome,
// e.g. ch4_5000_negative (5000 mV on CH4) or ch1_fail_unit.
TEST(ScpiReply, CorpusRepliesGiveTheOutcomeTheirNamesSay) {
  const QDir dir(QString::fromUtf8(PWRIO_TEST_REPLY_CORPUS));
  const QStringList names = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 10);
  for (const QString &name : names) {
    SCOPED_TRACE(name.toStdString());
    const QStringList parts = name.split(QLatin1Char('_'));
    ASSERT_GE(parts.size(), 3);
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    CLineBuffer buffer;
    buffer.Append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::string line;
    ASSERT_EQ(buffer.Take(line), CLineBuffer::Next::kLine);
    const int mv = parts[1] == QStringLiteral("fail") ? kNone : parts[1].toInt();
    EXPECT_EQ(CScpiReply::ParseMillivolts(line, parts[0].mid(2).toInt() - 1), Expected(mv));
  }
}

} // namespace
