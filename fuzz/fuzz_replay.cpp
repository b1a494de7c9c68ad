// fuzz_replay: runs the fuzz targets' checks without libFuzzer, with any compiler: every file of
// the seed corpus, then random inputs made from the seeds (bytes changed, inserted, deleted,
// spliced) and from nothing, all from a fixed seed. The test suite runs it briefly; the libFuzzer
// build (./build.sh fuzz) explores for as long as it is given.
//
//   fuzz_replay currency|ledger CORPUS_DIR [RANDOM_INPUTS] [SEED]

#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: fuzz_replay currency|ledger CORPUS_DIR [RANDOM_INPUTS] [SEED]\n");
        return 64;
    }
    FuzzTargets::initialize();
    const QString target = QString::fromLocal8Bit(argv[1]);
    const auto run = target == QStringLiteral("ledger") ? FuzzTargets::ledgerText : FuzzTargets::currency;
    const int randomInputs = argc > 3 ? std::atoi(argv[3]) : 10000;
    QRandomGenerator rng(argc > 4 ? quint32(std::strtoul(argv[4], nullptr, 10)) : 20261208u);

    QList<QByteArray> seeds;
    const QDir corpus(QString::fromLocal8Bit(argv[2]));
    for (const QString& name : corpus.entryList(QDir::Files, QDir::Name)) {
        QFile f(corpus.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            seeds << f.readAll();
    }
    for (const QByteArray& seed : seeds)
        run(reinterpret_cast<const std::uint8_t*>(seed.constData()), std::size_t(seed.size()));

    // Bytes that matter to the targets, beside random ones.
    static const char Special[] = "0123456789.,-+eE%_'\\ \t\x01\x00";
    auto anyByte = [&]() -> char {
        return rng.bounded(2) == 0 ? Special[rng.bounded(int(sizeof Special))] : char(rng.bounded(256));
    };
    for (int i = 0; i < randomInputs; ++i) {
        QByteArray input = seeds.isEmpty() || rng.bounded(8) == 0 ? QByteArray() : seeds[rng.bounded(seeds.size())];
        const int edits = 1 + rng.bounded(8);
        for (int e = 0; e < edits; ++e) {
            const int at = input.isEmpty() ? 0 : rng.bounded(input.size() + 1);
            switch (rng.bounded(4)) {
            case 0:
                input.insert(at, anyByte());
                break;
            case 1:
                if (at < input.size())
                    input[at] = anyByte();
                break;
            case 2:
                if (at < input.size())
                    input.remove(at, 1 + rng.bounded(4));
                break;
            default:
                if (!seeds.isEmpty()) {
                    const QByteArray& other = seeds[rng.bounded(seeds.size())];
                    input.insert(at, other.mid(rng.bounded(other.size() + 1)));
                }
                break;
            }
        }
        input.truncate(1024);
        run(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
    }
    std::printf("%s: %lld seeds and %d random inputs, every property held\n", argv[1], qlonglong(seeds.size()),
                randomInputs);
    return 0;
}
