// gen-corpus: writes a synthetic text corpus for the indexing benchmark. The
// vocabulary is made of pronounceable words whose use follows Zipf's law,
// file lengths follow a log-normal distribution around a median, and files
// are spread over a folder tree of a chosen depth. The same seed gives the
// same corpus, byte for byte.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <random>

namespace {

class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    double uniform() { return double(random_() >> 11) * (1.0 / 9007199254740992.0); }
    std::uint64_t below(std::uint64_t n) { return random_() % n; }
    // Box-Muller; written out so that the corpus does not depend on the
    // standard library's distributions.
    double normal() {
        const double u = std::max(uniform(), 1e-12);
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * M_PI * uniform());
    }

private:
    std::mt19937_64 random_;
};

QList<QByteArray> makeVocabulary(Generator& g, int size) {
    static const char* const syllables[] = {
        "ka",  "to", "ri", "men", "sa",  "lo",  "ve", "in",  "ar",  "tes", "po",  "nu",
        "de",  "li", "ga", "mor", "ber", "an",  "el", "is",  "qua", "zo",  "fi",  "lun",
        "dra", "ce", "ho", "pi",  "ra",  "sen", "tu", "wel", "ny",  "ob",  "sti", "ex"};
    QList<QByteArray> words;
    QSet<QByteArray> seen;
    while (words.size() < size) {
        // Frequent words are short, as in natural language.
        const int maxSyllables = 1 + int(std::log10(double(words.size() + 10)));
        QByteArray w;
        const int n = 1 + int(g.below(std::uint64_t(maxSyllables)));
        for (int i = 0; i < n; ++i)
            w += syllables[g.below(std::size(syllables))];
        if (!seen.contains(w)) {
            seen.insert(w);
            words << w;
        }
    }
    return words;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes a deterministic Zipf text corpus.");
    parser.addHelpOption();
    parser.addPositionalArgument("folder", "where the corpus goes (created)");
    const QCommandLineOption files("files", "number of files", "n", "20000");
    const QCommandLineOption seed("seed", "random seed", "n", "1");
    const QCommandLineOption medianWords("median-words", "median words per file", "n", "400");
    const QCommandLineOption spread("spread", "log-normal sigma of file lengths", "x", "1.1");
    const QCommandLineOption depth("depth", "deepest folder level", "n", "4");
    const QCommandLineOption fanout("fanout", "sub-folders per folder", "n", "6");
    const QCommandLineOption vocabulary("vocabulary", "distinct words", "n", "50000");
    parser.addOptions({files, seed, medianWords, spread, depth, fanout, vocabulary});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString root = parser.positionalArguments().first();

    Generator g(parser.value(seed).toULongLong());
    const QList<QByteArray> words = makeVocabulary(g, parser.value(vocabulary).toInt());
    std::vector<double> cumulative(std::size_t(words.size()));
    double sum = 0;
    for (std::size_t i = 0; i < cumulative.size(); ++i)
        cumulative[i] = (sum += 1.0 / double(i + 1));

    const int fileCount = parser.value(files).toInt();
    const int maxDepth = parser.value(depth).toInt();
    const int fan = std::max(1, parser.value(fanout).toInt());
    const double median = parser.value(medianWords).toDouble();
    const double sigma = parser.value(spread).toDouble();
    qint64 totalBytes = 0;
    for (int f = 0; f < fileCount; ++f) {
        QString folder = root;
        const int level = int(g.below(std::uint64_t(maxDepth + 1)));
        for (int d = 0; d < level; ++d)
            folder += QString("/d%1").arg(g.below(std::uint64_t(fan)));
        QDir().mkpath(folder);
        const int count = std::max(1, int(median * std::exp(sigma * g.normal())));
        QByteArray text;
        text.reserve(count * 8);
        for (int w = 0; w < count; ++w) {
            const double pick = g.uniform() * sum;
            const auto it = std::lower_bound(cumulative.begin(), cumulative.end(), pick);
            text += words[qsizetype(it - cumulative.begin())];
            text += (w % 12 == 11) ? ".\n" : " ";
        }
        QFile out(QString("%1/file%2.txt").arg(folder).arg(f));
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size()) {
            QTextStream(stderr) << "cannot write " << out.fileName() << '\n';
            return 1;
        }
        totalBytes += text.size();
    }
    QTextStream(stdout) << fileCount << " files, " << totalBytes << " bytes of text in " << root
                        << '\n';
    return 0;
}
