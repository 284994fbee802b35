#include "VrlFile.h"

#include "ReaderProblemText.h"
#include "VrlJson.h"

#include <QIODevice>

bool ReadVrl(QIODevice& file, VrlDocument& document, QString& problem) {
    // One byte more than a file may hold is enough for the reader to refuse it.
    QByteArray bytes(static_cast<qsizetype>(kMaxVrlBytes + 1), '\0');
    const qint64 count = file.read(bytes.data(), bytes.size());
    if (count < 0) {
        problem = file.errorString();
        return false;
    }
    std::string what;
    if (readVrlDocument(std::string(bytes.constData(), static_cast<std::size_t>(count)), document, what))
        return true;
    problem = ReaderProblemText(what);
    return false;
}

bool WriteVrl(QIODevice& file, const VrlDocument& document, QString& problem) {
    std::string text;
    std::string what;
    if (!writeVrlDocument(document, text, what)) {
        problem = ReaderProblemText(what);
        return false;
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        problem = file.errorString();
        return false;
    }
    return true;
}
