#include "cli/Output.h"

#include "cli/Texts.h"

namespace cli {

bool write(std::FILE* stream, const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, bytes.size(), stream) == std::size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}

int fail(const QString& message) {
    write(stderr, message.toUtf8());
    return 1;
}

int print(const QByteArray& bytes) {
    return write(stdout, bytes) ? 0 : fail(cli_text::kOutputFailed);
}

} // namespace cli
