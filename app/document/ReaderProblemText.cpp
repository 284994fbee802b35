#include "ReaderProblemText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString TrProblem(const QString& text) {
    return QCoreApplication::translate("ReaderProblem", text.toUtf8().constData());
}

/// What was expected: a range of the settings' ranges, a phrase the readers mark for translation, or
/// one of the two phrases with numbers or names in them.
QString ExpectedText(const QString& what) {
    static const QRegularExpression wholeNumber(QStringLiteral("^a whole number from (\\d+) to (\\d+)$"));
    static const QRegularExpression oneOf(QStringLiteral("^one of (.*)$"));
    if (const QRegularExpressionMatch match = wholeNumber.match(what); match.hasMatch())
        return QCoreApplication::translate("ReaderProblem", "a whole number from %1 to %2")
            .arg(match.captured(1), match.captured(2));
    if (const QRegularExpressionMatch match = oneOf.match(what); match.hasMatch())
        return QCoreApplication::translate("ReaderProblem", "one of %1").arg(match.captured(1));
    if (what.startsWith(QLatin1Char('"'))) {
        // A setting's choices, "a", "b" or "c": only the last "or" is a word.
        QString choices = what;
        const qsizetype lastOr = choices.lastIndexOf(QLatin1String("\" or \""));
        if (lastOr >= 0)
            choices.replace(lastOr + 1, 4, QCoreApplication::translate("WindowSettingsJson", " or "));
        return choices;
    }
    const QString range = QCoreApplication::translate("NumberRange", what.toUtf8().constData());
    return range != what ? range : TrProblem(what);
}

} // namespace

QString ReaderProblemText(const std::string& problem) {
    const QString text = QString::fromStdString(problem);
    const qsizetype colon = text.lastIndexOf(QLatin1String(": "));
    const QString where = colon >= 0 ? text.left(colon + 2) : QString();
    const QString message = text.mid(colon >= 0 ? colon + 2 : 0);
    const QLatin1String expected("expected ");
    if (message.startsWith(expected))
        return where + QCoreApplication::translate("WindowSettingsJson", "expected %1")
                           .arg(ExpectedText(message.mid(expected.size())));
    return where + TrProblem(message);
}
