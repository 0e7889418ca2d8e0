// Runs a fuzz target over the files of its seed corpus, so that an ordinary build tests what the
// fuzzer starts from.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

QStringList inputFiles(const QString& path) {
    if (!QFileInfo(path).isDir())
        return {path};
    QStringList files;
    const QDir dir(path);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

} // namespace

int main(int argc, char* argv[]) {
    int count = 0;
    for (int index = 1; index < argc; ++index) {
        for (const QString& file : inputFiles(QString::fromLocal8Bit(argv[index]))) {
            QFile input(file);
            if (!input.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
                return 1;
            }
            const QByteArray bytes = input.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
            ++count;
        }
    }
    if (count == 0) {
        std::fprintf(stderr, "no inputs\n");
        return 1;
    }
    std::printf("%d inputs\n", count);
    return 0;
}
