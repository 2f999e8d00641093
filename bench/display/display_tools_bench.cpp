// SPDX-License-Identifier: GPL-3.0-or-later
// The display tools over texts a hundred times the size they usually see.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "core/progress.h"
#include "display/address_extraction.h"
#include "display/lotto_numbers.h"
#include "display/matching_lines.h"
#include "display/passwords.h"
#include "display/rtf_reader.h"
#include "display/transfer_log.h"
#include "display/word_tools.h"

namespace {

using namespace brimlet;

constexpr size_t kMegabyte = 1000 * 1000;

// Lines of 0 to 120 bytes of words, some holding an address, CR LF.
const std::string& prose() {
  static const std::string text = [] {
    // clang-format off
    static const char* const words[] = {"und", "der", "Stra\xDF" "e", "SEND", "M\xFC" "ller",
                                        "info@example.de", "Zeit", "B\xE4ume", "RECEIVE", "Haus"};
    // clang-format on
    std::mt19937 random(7);
    std::string out;
    out.reserve(100 * kMegabyte + 256);
    while (out.size() < 100 * kMegabyte) {
      const size_t length = random() % 121;
      const size_t start = out.size();
      while (out.size() - start < length) {
        out += words[random() % 10];
        out += ' ';
      }
      out += "\r\n";
    }
    return out;
  }();
  return text;
}

// A tracking log of 100 MB: 30 fields a record, a comment block in front.
const std::string& trackingLog() {
  static const std::string log = [] {
    static const char* const events[] = {"RECEIVE", "SEND", "DELIVER", "AGENTINFO"};
    std::string out = "#Software: Mail\r\n#Fields: date-time,client-ip,...\r\n";
    out.reserve(100 * kMegabyte + 1024);
    for (int i = 0; out.size() < 100 * kMegabyte; ++i) {
      const std::string n = std::to_string(i);
      out.append("2026-12-07T10:00:").append(n.substr(n.size() - 1)).append(".000Z,10.0.0.1,host,");
      out.append("10.0.0.2,mx,ctx,conn,SMTP,").append(events[i % 4]).append(",70912345566,<id");
      out.append(n).append("@x.de>,a").append(n.substr(n.size() - 1)).append("@example.de,250 OK,");
      out.append("7229,1,,,Betreff ").append(std::to_string(i % 13));
      out.append(",sender@example.de,ret@example.de,,Incoming,,,,S:x\r\n");
    }
    return out;
  }();
  return log;
}

// A word processor's document of 5 MB: paragraphs with umlauts as \'xx and \uN.
const std::string& rtfDocument() {
  static const std::string rtf = [] {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
        "{\\colortbl;\\red0\\green0\\blue0;}\\pard\\f0\\fs22 ";
    while (out.size() < 5 * kMegabyte) {
      out += "Die Gr\\'f6\\'dfe der \\u220\\'dc bersicht {\\b betr\\'e4gt} 2 MB.\\par\r\n";
    }
    return out + "}";
  }();
  return rtf;
}

void BM_MatchingLines(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(matchingLines(prose(), {"SEND", ""}, true));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * prose().size()));
}
BENCHMARK(BM_MatchingLines)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MatchingLinesExclusion(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(matchingLines(prose(), {"Zeit", "Zeit Haus"}, false));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * prose().size()));
}
BENCHMARK(BM_MatchingLinesExclusion)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TransferLog(benchmark::State& state) {
  NoProgress progress;
  for (auto _ : state) {
    benchmark::DoNotOptimize(analyseTransferLog(trackingLog(), "SEND", {true, true}, progress));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * trackingLog().size()));
}
BENCHMARK(BM_TransferLog)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Addresses(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(extractAddresses(prose(), false));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * prose().size()));
}
BENCHMARK(BM_Addresses)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RtfToText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(rtfToText(rtfDocument()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtfDocument().size()));
}
BENCHMARK(BM_RtfToText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_NumberSums(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(numbersOfText(prose(), NumberRule::All));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * prose().size()));
}
BENCHMARK(BM_NumberSums)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ten letters are the most the tool permutes: 3,628,800 lines, 43 MB.
void BM_AnagramsOfTen(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(anagramList("Abenteuer!", 10));
}
BENCHMARK(BM_AnagramsOfTen)->Unit(benchmark::kMillisecond)->Iterations(3);

// The largest request: 99,999 passwords of 256 characters, all four classes.
void BM_Passwords(benchmark::State& state) {
  std::mt19937 generator(1);
  const auto uniform = [&generator](uint32_t n) {
    return std::uniform_int_distribution<uint32_t>(0, n - 1)(generator);
  };
  for (auto _ : state) benchmark::DoNotOptimize(generatePasswords({256, 99999, 4}, "", uniform));
}
BENCHMARK(BM_Passwords)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
