#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

/// Every line of every translation in `tsFile`, accelerator marks removed: the texts an interface in
/// that language shows.
QSet<QString> InterfaceTexts(const QString& tsFile) {
    QFile file(QStringLiteral(VORLINT_SOURCE_DIR "/translations/") + tsFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << tsFile.toStdString();
    QSet<QString> texts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation")) {
            for (const QString& line :
                 xml.readElementText().remove(QLatin1Char('&')).split(QLatin1Char('\n')))
                texts.insert(line);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

/// The screen texts a page names: bold phrases and quoted phrases that begin with a capital letter and
/// hold no figure (a menu path's parts each), outside code.
QStringList NamedScreenTexts(const QString& page) {
    QFile file(QStringLiteral(VORLINT_SOURCE_DIR "/docs/") + page);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QRegularExpression(QStringLiteral("\n    [^\n]*")));
    text.remove(QRegularExpression(QStringLiteral("`[^`]*`")));
    text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    static const QRegularExpression kNamed(QStringLiteral(R"re(\*\*([^*]+)\*\*|"([^"]+)")re"));
    static const QRegularExpression kFigure(QStringLiteral("\\d"));
    QStringList names;
    for (const QRegularExpressionMatch& match : kNamed.globalMatch(text)) {
        const QString name = match.captured(1) + match.captured(2);
        if (!name.at(0).isUpper() || name.contains(kFigure))
            continue;
        for (const QString& part : name.split(QRegularExpression(QStringLiteral(" [>▸] "))))
            names.append(part.trimmed().remove(QLatin1Char('"')));
    }
    return names;
}

/// A name is a text of the interface, or its beginning ("No result" for "No result: ...").
bool InterfaceShows(const QSet<QString>& texts, const QString& name) {
    // The panel's labels that read the same in every language have no translation.
    for (const char* same : {"PID", "CPS", "FPS"}) {
        if (name == QLatin1String(same))
            return true;
    }
    for (const QString& text : texts) {
        if (text.startsWith(name))
            return true;
    }
    return false;
}

// A page sends a student to the menu or dialog text of the interface in the page's own language.
TEST(DocsNamesTest, PagesNameTheTextsOfTheirInterface) {
    const QString pages[] = {QStringLiteral("first-lab"), QStringLiteral("tuning-lab"),
                             QStringLiteral("frequency-lab"), QStringLiteral("exercises"),
                             QStringLiteral("formulas")};
    const QSet<QString> english = InterfaceTexts(QStringLiteral("vorlint_en.ts"));
    const QSet<QString> portuguese = InterfaceTexts(QStringLiteral("vorlint_pt_BR.ts"));
    for (const QString& page : pages) {
        for (const QString& name : NamedScreenTexts(page + QStringLiteral(".md")))
            EXPECT_TRUE(InterfaceShows(english, name)) << page.toStdString() << ": " << name.toStdString();
        for (const QString& name : NamedScreenTexts(page + QStringLiteral(".pt_BR.md")))
            EXPECT_TRUE(InterfaceShows(portuguese, name))
                << page.toStdString() << ".pt_BR: " << name.toStdString();
    }
    for (const QString& name : NamedScreenTexts(QStringLiteral("vrl-format.md")))
        EXPECT_TRUE(InterfaceShows(english, name)) << "vrl-format: " << name.toStdString();
}

} // namespace
