#include "platform/linux/X11KeystrokeSender.h"

#include <QApplication>
#include <QProcess>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

// After Qt: the X headers define names (Status, Bool) that Qt headers use.
#include "x11/TextReceivers.h"

// Last: it includes Xlib, whose macros would break the Qt headers.
#include "BenchDisplay.h"

using namespace pathwick;
using pathwick::test::asReceived;
using pathwick::test::QtReceiver;

namespace {

std::vector<char32_t> codePoints(const QString& text) {
    std::vector<char32_t> out;
    for (char32_t c : text.toUcs4())
        out.push_back(c);
    return out;
}

// Characters missing or wrong: what a longest common subsequence leaves over.
int lostCharacters(const QString& expected, const QString& received) {
    const std::vector<char32_t> a = codePoints(expected), b = codePoints(received);
    std::vector<int> row(b.size() + 1, 0), previous(b.size() + 1, 0);
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j)
            row[j] = a[i - 1] == b[j - 1] ? previous[j - 1] + 1 : std::max(previous[j], row[j - 1]);
        std::swap(row, previous);
    }
    return int(std::max(a.size(), b.size())) - previous[b.size()];
}

// Printable ASCII, in lines of lineLength characters with their line break (0: one line).
QString asciiText(int length, int lineLength) {
    QString text;
    for (int i = 0; text.size() < length; ++i)
        text += lineLength && text.size() % lineLength == lineLength - 1
                    ? QChar(u'\n')
                    : QChar(' ' + (i * 37) % 95);
    return text;
}

// Greek, CJK, accented Latin and emoji, one after another in a shuffled order, in lines as
// asciiText.
QString mixedText(int length, int lineLength) {
    const QStringList sets = {
        QString::fromUtf8("αβγδεζηθικλμνξοπρστυφχψωΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ"),
        QString::fromUtf8("日本語中文字漢学生先時間年月火水木金土山川田人口目耳手足力気天雨電話"
                          "東西南北上下左右大小高安新古長明暗白黒赤青花草虫魚鳥犬猫馬牛羊"),
        QString::fromUtf8("éèêëàâäçñüöïîôûùÿßÉÈÊÀÂÄÇÑÜÖÏÎÔÛåøæÅØÆœŒłŁśźżčšž"),
        QString::fromUtf8(
            "😀🙂😉😍🤔👍👋🎉🚀🌍🍕☕🐱🐶🌟💡📎🔑🎵⚽"),
    };
    const QList<std::vector<char32_t>> pools = {codePoints(sets[0]), codePoints(sets[1]),
                                                codePoints(sets[2]), codePoints(sets[3])};
    QString text;
    for (int i = 0; i < length; ++i) {
        if (lineLength && i % lineLength == lineLength - 1) {
            text += u'\n';
            continue;
        }
        const std::vector<char32_t>& pool = pools[i % 4];
        const char32_t c = pool[(size_t(i) * 7919u) % pool.size()];
        text += QString::fromUcs4(&c, 1);
    }
    return text;
}

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Types the text into the Qt receiver once per iteration; the time runs from the call that
// types (after prepare()) to the receiver holding the whole text (or giving up).
template <typename Typist>
void measure(benchmark::State& state, const QString& text, Typist type,
             const std::function<void()>& prepare = {}) {
    double seconds = 0;
    double lost = 0;
    const double characters = double(text.toUcs4().size());
    for (auto _ : state) {
        QtReceiver receiver(benchDisplayName(), asReceived(text).size(), 30000);
        if (!receiver.waitReady()) {
            state.SkipWithError("the receiver did not get the focus");
            return;
        }
        if (prepare)
            prepare();
        const qint64 start = nowNs();
        type(text);
        QString received;
        qint64 done = 0;
        if (!receiver.finish(received, done, 40000)) {
            state.SkipWithError("the receiver did not answer");
            return;
        }
        const double took = double(done - start) / 1e9;
        state.SetIterationTime(took);
        seconds += took;
        lost += lostCharacters(asReceived(text), received);
    }
    state.counters["chars_per_second"] = characters * double(state.iterations()) / seconds;
    state.counters["lost"] = lost / double(state.iterations());
}

// A sender of its own for each text, as the first text a running Pathwick types: a sender
// that has just typed waits, before its first key, until receivers can have read the keys
// it bound, and that wait belongs to the text before.
void pathwickSender(benchmark::State& state, const QString& text) {
    std::optional<platform::X11KeystrokeSender> sender;
    measure(
        state, text, [&](const QString& t) { sender->type(t, {}); },
        [&] {
            sender.reset();
            sender.emplace();
        });
}

// The reference: xdotool typing the same text into the same receiver.
void xdotool(benchmark::State& state, const QString& text, const QStringList& options) {
    measure(state, text, [&](const QString& t) {
        QProcess::startDetached("xdotool", QStringList{"type"} + options + QStringList{"--", t});
    });
}

} // namespace

int main(int argc, char** argv) {
    Display* probe = openBenchDisplay("bench_typing");
    if (!probe)
        return 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Texts as people type them, in lines; a text box lays a whole paragraph out again on
    // every key, so the one-line texts show what a single long paragraph costs the receiver.
    const QString ascii = asciiText(2000, 80);
    const QString unicode = mixedText(1000, 40);
    const QString asciiLine = asciiText(2000, 0);
    const QString unicodeLine = mixedText(1000, 0);
    const bool haveXdotool = QProcess::execute("xdotool", {"version"}) == 0;
    auto add = [](const char* title, auto function) {
        benchmark::RegisterBenchmark(title, function)
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
    };
    add("Typing/ascii_2000_chars", [&](benchmark::State& s) { pathwickSender(s, ascii); });
    add("Typing/unicode_1000_mixed_chars",
        [&](benchmark::State& s) { pathwickSender(s, unicode); });
    add("Typing/ascii_2000_chars_one_line",
        [&](benchmark::State& s) { pathwickSender(s, asciiLine); });
    add("Typing/unicode_1000_mixed_chars_one_line",
        [&](benchmark::State& s) { pathwickSender(s, unicodeLine); });
    if (haveXdotool) {
        add("Reference/xdotool_delay0_ascii_2000_chars", [&](benchmark::State& s) {
            xdotool(s, ascii, {"--delay", "0"});
        });
        add("Reference/xdotool_delay0_unicode_1000_mixed_chars", [&](benchmark::State& s) {
            xdotool(s, unicode, {"--delay", "0"});
        });
        benchmark::RegisterBenchmark("Reference/xdotool_default_ascii_2000_chars",
                                     [&](benchmark::State& s) { xdotool(s, ascii, {}); })
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(probe);
    return 0;
}
