// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/progress.h"
#include "display/address_extraction.h"
#include "display/field_text.h"
#include "display/lotto_numbers.h"
#include "display/matching_lines.h"
#include "display/transfer_log.h"
#include "support/samples.h"

namespace brimlet {
namespace {

struct LinesCase {
  std::string text;
  std::string contains;
  std::string without;
  bool numbered;
  std::string expected;
};

TEST(MatchingLines, KeepsWholeLinesAndCountsThem) {
  const LinesCase cases[] = {
      // The last line has no line end and is never looked at.
      {"SEND a\r\nRECEIVE\r\nSEND b", "SEND", "", false, "SEND a\r\n\r\n\r\n1\r\n"},
      {"x1\r\ny\r\nx2\r\n", "x", "", true, "1\tx1\r\n3\tx2\r\n\r\n\r\n2\r\n"},
      {"Send\r\n", "SEND", "", false, "\r\n\r\n0\r\n"},
      // A search text with a line break can never lie inside one line.
      {"a\r\nb\r\n", "a\r\nb", "", false, "\r\n\r\n0\r\n"},
      {"ss\r\nass\r\nass ss\r\n", "ss", "ass", false, "ss\r\n\r\n\r\n1\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(matchingLines(c.text, {c.contains, c.without}, c.numbered), c.expected) << c.text;
  }
}

// Twenty fields: `event` is field 9, `f12`, `f18` and `f19` the others read.
std::string record(const std::string& time, const std::string& event, const std::string& f12,
                   const std::string& f18, const std::string& f19) {
  return time + ",2,3,4,5,6,7,SMTP," + event + ",10,11," + f12 + ",13,14,15,16,17," + f18 + "," +
         f19 + ",20\r\n";
}

std::string analyse(const std::string& log, const std::string& search, bool list = true,
                    bool numbered = false) {
  NoProgress progress;
  return analyseTransferLog(log, search, {list, numbered}, progress);
}

TEST(TransferLog, ReducesRecordsToTheirKeyFields) {
  const std::string log = "#Fields: a,b\r\n" +
                          record("t1", "RECEIVE", "to@x", "Betreff", "from@y") +
                          record("t2", "SEND", "to@x", "Betreff", "from@y") +
                          record("t3", "SEND", "to@x", "Betreff", "from@y") +
                          record("t4", "DELIVER", "me@x", "Neu", "from@z");
  // Field 12 is left out for SEND; field 19 only when the subject changed
  // from the previous SEND.
  EXPECT_EQ(analyse(log, "t"),
            "t1,RECEIVE,to@x,Betreff,\r\n"
            "t2,SEND,Betreff,from@y,\r\n"
            "t3,SEND,Betreff,\r\n"
            "t4,DELIVER,me@x,Neu,\r\n"
            "\r\n\r\n4\r\nSend: 2\r\nReceive: 1\r\nDeliver: 1\r\n");
  EXPECT_EQ(analyse(log, "from@y", false), "\r\n\r\n1\r\nSend: 1\r\nReceive: 0\r\nDeliver: 0\r\n");
}

TEST(TransferLog, ARecordMaySpanLinesAndAShortTailEndsTheAnalysis) {
  const std::string log =
      "t1,2,3,4,5\r\n,6,7,8,RECEIVE,10,11,12,13,14,15,16,17,18,19,20\r\n"
      "t2,only,five,commas,here,\r\n";
  EXPECT_EQ(analyse(log, "t", true, true),
            "1\tt1,RECEIVE,12,18,\r\n\r\n\r\n1\r\nSend: 0\r\nReceive: 1\r\nDeliver: 0\r\n");
}

// A message tracking log as mail servers write it: a byte-order mark,
// comment lines (the field list among them with far more than 19 commas),
// records of 30 fields, an IPv6 address, and a quoted field holding commas,
// which the analysis counts like any other.
std::string wideRecord(const std::map<int, std::string>& values) {
  std::string line;
  for (int field = 1; field <= 30; ++field) {
    if (field > 1) line += ',';
    if (const auto value = values.find(field); value != values.end()) line += value->second;
  }
  return line + "\r\n";
}

TEST(TransferLog, WrittenMessageTrackingLog) {
  std::string fieldList = "#Fields: date-time";
  for (int field = 2; field <= 30; ++field) fieldList += ",name" + std::to_string(field);
  const std::string log =
      "\xEF\xBB\xBF#Software: Mail Server\r\n#Version: 15.01.2507.000\r\n"
      "#Log-type: Message Tracking Log\r\n#Date: 2026-03-02T08:00:00.000Z\r\n" +
      fieldList + "\r\n" +
      wideRecord({{1, "T1Z"},
                  {2, "2001:db8::17"},
                  {9, "RECEIVE"},
                  {12, "net-1"},
                  {18, "ref"},
                  {19, "Angebot"}}) +
      wideRecord({{1, "T2Z"}, {9, "SEND"}, {12, "net-2"}, {18, "ref"}, {19, "Angebot"}}) +
      wideRecord({{1, "T3Z"},
                  {6, "\"250 2.6.0 <a@b.de>, Queued, ok\""},
                  {7, "Intern"},
                  {9, "SEND"},
                  {10, "id-10"},
                  {16, "r16"},
                  {18, "ref"}}) +
      wideRecord({{1, "T4Z"}, {9, "DELIVER"}, {12, "net-4"}, {18, "ref4"}}) +
      wideRecord({{1, "T5Z"}, {9, "SENDEXTERNAL"}, {12, "net-5"}, {18, "ref"}}) +
      wideRecord({{1, "T6Z"}, {9, "SEND"}, {12, "net-6"}, {18, "ref"}, {19, "Angebot"}});
  EXPECT_EQ(analyse(log, "Z,", true, true),
            "1\tT1Z,RECEIVE,net-1,ref,\r\n"
            "2\tT2Z,SEND,ref,Angebot,\r\n"
            "3\tT3Z,Intern,id-10,r16,\r\n"
            "4\tT4Z,DELIVER,net-4,ref4,\r\n"
            "5\tT5Z,SENDEXTERNAL,net-5,ref,\r\n"
            "6\tT6Z,SEND,ref,\r\n"
            "\r\n\r\n6\r\nSend: 3\r\nReceive: 1\r\nDeliver: 1\r\n");
  EXPECT_EQ(analyse(log, "ref,", false), "\r\n\r\n4\r\nSend: 3\r\nReceive: 1\r\nDeliver: 0\r\n");
}

struct RealLog {
  const char* file;
  std::string expected;
};

// The real logs quote fields that hold commas; the analysis counts every
// comma, as the logs it was made for never quote.
TEST(TransferLog, RealMessageTrackingLogs) {
  BRIMLET_SKIP_WITHOUT_SAMPLES("exchange-tracking");
  const RealLog logs[] = {
      {"elastic-beats-bom8-exchange2010.log",
       "1\t2016-04-05T00:00:02.052Z, MessageClass:IPM.Note.StorageQuotaWarning.Warning,,,\r\n"
       "2\t2016-04-05T00:00:02.145Z, MessageClass:IPM.Note.StorageQuotaWarning.Warning,,,\r\n"
       "\r\n\r\n2\r\nSend: 0\r\nReceive: 0\r\nDeliver: 0\r\n"},
      {"elastic-integrations-test-messagetracking-noheader.log",
       "1\t2024-01-25T15:16:09.843Z,HAREDIRECTFAIL,2fd37dca-1234-5bfb-175d-08dc1db88f52,,\r\n"
       "2\t2024-01-25T15:16:09.949Z,RECEIVE,1e6eb197-c6b4-1234-1b69-56dc1db88f50,,\r\n"
       "3\t2024-01-25T15:16:14.415Z,RECEIVE,c95b5dd1-f520-1234-e6dc-56dc1db8914d,,\r\n"
       "4\t2024-01-07T00:00:07.463Z,SEND,,ein Titel,\r\n"
       "5\t2025-01-14T09:29:05.327Z,Outbound to Office 365 - "
       "cb1ce4e7-cbb6-46e8-8a4c-e1f2efbdd202,8774618205228,1,\r\n"
       "6\t2025-01-14T09:28:39.334Z, MessageClass:IPM.Note, "
       "SubmissionAssistant:MailboxTransportSubmissionEmailAssistant\",,\r\n"
       "\r\n\r\n6\r\nSend: 1\r\nReceive: 2\r\nDeliver: 0\r\n"},
      {"kinesis-agent-windows-exchange2013-MSGTRK.log",
       "1\t2017-05-22T17:33:35.632Z,AGENTINFO,13fad5b7-39c5-46e7-130e-08d4a138ac67,,\r\n"
       "2\t2017-05-22T17:33:35.695Z,SMTP,<1028007174.22872.1495474412586.JavaMail.apollo@"
       "apollo-adaws-onebox-acc-1a-4c722f6e.us-east-1.amazon.com>,,\r\n"
       "\r\n\r\n2\r\nSend: 0\r\nReceive: 0\r\nDeliver: 0\r\n"},
      {"qazeer-artefacts-exchange2016-MSGTRKMS.log",
       "1\t2022-09-19T15:02:29.339Z, MessageClass:IPM.Note, "
       "SubmissionAssistant:MailboxTransportSubmissionEmailAssistant\",,\r\n"
       "2\t2022-09-19T15:02:29.450Z, MessageClass:IPM.Note, "
       "SubmissionAssistant:MailboxTransportSubmissionEmailAssistant,<XXX@domain.com>,\r\n"
       "\r\n\r\n2\r\nSend: 0\r\nReceive: 0\r\nDeliver: 0\r\n"},
  };
  for (const auto& log : logs) {
    const std::string bytes = testing::readSample(std::string("exchange-tracking/") + log.file);
    EXPECT_EQ(analyse(bytes, "Z,", true, true), log.expected) << log.file;
  }
}

struct AddressCase {
  std::string text;
  bool wholeLines;
  std::optional<std::string> expected;
};

TEST(AddressExtraction, FindsAddressesAroundAtSigns) {
  const AddressCase cases[] = {
      {"schreib an a.b-c_d@mail.example.de, danke", false, "a.b-c_d@mail.example.de\r\n"},
      {"nur ein @ hier", false, ""},
      {"x@y", false, std::nullopt},  // under 8 bytes
      {"a@b.de\r\nc@d.de", false, "a@b.de\r\nc@d.de\r\n"},
      {"@start und ende@", false, ""},
      {"Zeile mit a@b drin\r\nnoch eine\r\n", true, "Zeile mit a@b drin\r\n"},
      {"M\xFCller@x.de", false, "ller@x.de\r\n"},
      // The address ends at the end of the text.
      {"kontakt: q@r.st", false, "q@r.st\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(extractAddresses(c.text, c.wholeLines), c.expected) << c.text;
  }
}

TEST(CaretByteNumber, CountsLineEndsAsTwoBytes) {
  const std::string text = "ab\r\ncd";
  EXPECT_EQ(caretByteNumber(text, 0), 1);
  EXPECT_EQ(caretByteNumber(text, 2), 3);  // on the line break: its CR
  EXPECT_EQ(caretByteNumber(text, 3), 5);
  EXPECT_EQ(caretByteNumber(text, 5), std::nullopt);
  EXPECT_EQ(caretByteNumber("", 0), std::nullopt);
}

TEST(NumberTool, FoldsTheSumsOfAText) {
  EXPECT_EQ(numbersOfText("abc", NumberRule::All), "49\r\n15\r\n6\r\n6\r\n0\r\n0\r\n");
  EXPECT_EQ(numbersOfText("abc", NumberRule::AscQs), "15\r\n");
  EXPECT_EQ(numbersOfText("Zz9 9", NumberRule::All), "15\r\n16\r\n3\r\n7\r\n18\r\n18\r\n");
  const std::pair<int64_t, int64_t> folds[] = {{0, 0},     {1, 1},     {49, 49}, {50, 5},
                                               {1234, 10}, {1999, 28}, {99, 18}};
  for (const auto& [sum, qs] : folds) EXPECT_EQ(foldDigitSum(sum), qs) << sum;
  EXPECT_EQ(foldMod49(49), 49);
  EXPECT_EQ(foldMod49(50), 1);
  EXPECT_EQ(foldMod49(98), 49);
}

TEST(NumberTool, ADrawRepeatsUntilTheNumberIsNew) {
  const int sequence[] = {7, 7, 1, 7, 49, 1, 2, 3, 4};
  size_t next = 0;
  EXPECT_EQ(drawNumbers(6, [&] { return sequence[next++]; }), "7\r\n1\r\n49\r\n2\r\n3\r\n4\r\n");
}

}  // namespace
}  // namespace brimlet
