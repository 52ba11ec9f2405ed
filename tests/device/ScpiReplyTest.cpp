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

// Replies already in the scpi-replies corpus (checked below) are not repeated here.
TEST(ScpiReply, VoltageRepliesAreReadOnlyWhenWellFormedAndInRange) {
  struct Case {
    const char *reply;
    int channel;
    std::optional<int> mv;
  };
  const Case cases[] = {
      {"5", 1, 5000},
      {"5.1234E0", 0, 5123},
      {"512.3e-2", 0, 5123},
      {".5", 0, 500},
      {"5.", 0, 5000},
      {"\t9.5", 0, 9500},
      {"9.5004", 0, std::nullopt}, // above 9.5 V even though it rounds to 9500 mV
      {"0", 0, 0},
      {"-0.010", 0, 0}, // noise of an output that is off
      {"-0.011", 0, std::nullopt},
      {"5.5", 2, 5500},
      {"5.501", 2, std::nullopt},
      {"-5.5001", 3, std::nullopt},
      {"9.0", 2, std::nullopt}, // fine for CH1, too high for the fixed outputs
      {"5.0", 4, std::nullopt}, // no such channel
      {"5.0", -1, std::nullopt},
      {"   ", 0, std::nullopt},
      {"+", 0, std::nullopt},
      {".", 0, std::nullopt},
      {"5e", 0, std::nullopt},
      {"5e1000", 0, std::nullopt},
      {"1e-400", 0, std::nullopt},
      {"5.0;5.0", 0, std::nullopt},
      {"++5", 0, std::nullopt},
      {"nan", 0, std::nullopt},
      {"00000000000000000000000000000005.0", 0, std::nullopt}, // longer than any real answer
      {"0000000000000000000000000000005", 0, 5000},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string("reply \"") + c.reply + "\" channel " + std::to_string(c.channel));
    EXPECT_EQ(CScpiReply::ParseMillivolts(c.reply, c.channel), c.mv);
  }
}

// Shape: SCPI's maker,model,serial,firmware unless the profile says ANY.
TEST(ScpiReply, IdentityIsPrintableHasItsFourFieldsAndMayBeRequiredToNameTheMaker) {
  struct Case {
    std::string reply;
    const char *mustContain;
    bool anyShape;
    bool scpiShape;
  };
  const Case cases[] = {
      {"KTX,SCPISIM,0,1.0", "", true, true},
      {"KTX,SCPISIM,0,1.0", "KTX,", true, true},
      {"KTX,SCPISIM,0,1.0", "ACME", false, false},
      {"ACME , PS-4 , , 2.1", "", true, true},
      {"HTTP/1.1 400 Bad Request", "", true, false},
      {"KTX,SCPISIM,0", "", true, false},
      {"KTX,SCPISIM,0,1.0,extra", "", true, false},
      {" ,SCPISIM,0,1.0", "", true, false},
      {"KTX,,0,1.0", "", true, false},
      {"", "", false, false},
      {"   ", "", false, false},
      {std::string("KTX,A,\0,X", 9), "", false, false},
      {"KTX,A,B,\x7f", "", false, false},
      {"KTX,A,B,\xc3\xa9", "", false, false},
      {std::string(200, 'A'), "", true, false},
      {std::string(201, 'A'), "", false, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.reply.substr(0, 40) + " / " + c.mustContain);
    EXPECT_EQ(CScpiReply::IsIdentity(c.reply, c.mustContain, false), c.anyShape);
    EXPECT_EQ(CScpiReply::IsIdentity(c.reply, c.mustContain, true), c.scpiShape);
  }
}

TEST(ScpiReply, ErrorEntriesAndChannelNumbersAreReadStrictly) {
  struct Case {
    const char *reply;
    std::optional<int> errorCode;
    std::optional<int> channel;
  };
  const Case cases[] = {
      {"0,\"No error\"", 0, std::nullopt},
      {"+0,\"No error\"", 0, std::nullopt},
      {"-113,\"Undefined header\"", -113, std::nullopt},
      {" -222 , \"Data out of range;x\" ", -222, std::nullopt},
      {"0", 0, 0},
      {"2", 2, 2},
      {"+2.000000E+00", std::nullopt, 2},
      {"CH2", std::nullopt, 2},
      {"\"OUT3\"", std::nullopt, 3},
      {"2.5", std::nullopt, std::nullopt},
      {"-1", -1, std::nullopt},
      {"CH", std::nullopt, std::nullopt},
      {"1000", 1000, std::nullopt},
      {"0,No error", std::nullopt, std::nullopt},
      {"HTTP/1.1 400 Bad Request", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.reply);
    EXPECT_EQ(CScpiReply::ParseErrorCode(c.reply), c.errorCode);
    EXPECT_EQ(CScpiReply::ParseChannelNumber(c.reply), c.channel);
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

  // A line of exactly the limit is still a line; one byte more is not.
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

  buffer.Clear();
  const std::string tooLong = std::string(CLineBuffer::kMaxLine + 1, '1') + "\n";
  buffer.Append(tooLong.data(), tooLong.size());
  EXPECT_EQ(buffer.Take(line), CLineBuffer::Next::kTooLong);
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
    ASSERT_TRUE(parts[0].startsWith(QStringLiteral("ch")));
    const int channel = parts[0].mid(2).toInt() - 1;
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    CLineBuffer buffer;
    buffer.Append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::string line;
    ASSERT_EQ(buffer.Take(line), CLineBuffer::Next::kLine);
    const auto mv = CScpiReply::ParseMillivolts(line, channel);
    if (parts[1] == QStringLiteral("fail")) {
      EXPECT_EQ(mv, std::nullopt);
    } else {
      EXPECT_EQ(mv, std::optional<int>(parts[1].toInt()));
    }
  }
}

} // namespace
