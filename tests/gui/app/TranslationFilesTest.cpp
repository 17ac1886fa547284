// SPDX-License-Identifier: GPL-3.0-or-later
// What a translator may change and what not: a translation keeps every value of its text (a lost
// %1 would show a sentence without its amount) and its one mnemonic.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?[1-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured().remove(QLatin1Char('L'));
    found.sort();
    found.removeDuplicates();
    return found;
}

// "&&" is an ampersand shown, not a mnemonic.
int Mnemonics(QString text) {
    return int(text.remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

struct Message {
    QString context, source;
    bool counted = false;
    QStringList translations;
};

std::vector<Message> ReadMessages(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.push_back(
                {context, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), {}});
        else if (xml.name() == QLatin1String("source"))
            messages.back().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") &&
                 xml.attributes().value(QLatin1String("type")) != QLatin1String("vanished")) {
            // A counted text's forms are its children.
            if (!messages.back().counted)
                messages.back().translations << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform"))
            messages.back().translations << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

TEST(TranslationFiles, KeepEveryValueAndMnemonic) {
    const QDir dir(QStringLiteral(CORVELLAN_TRANSLATIONS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("corvellan_*.ts")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        for (const Message& message : ReadMessages(dir.filePath(name))) {
            for (const QString& translation : message.translations) {
                const std::string where =
                    (name + QLatin1String(": ") + message.context + QLatin1String(": ") + message.source)
                        .toStdString();
                if (translation.isEmpty())
                    continue; // unfinished; the translations_<language> test names these
                QStringList expected = Placeholders(message.source);
                // A counted text's form for one may say "one" in words; the last form, for many, may not.
                if (message.counted && &translation != &message.translations.back())
                    expected.removeOne(QStringLiteral("%n"));
                QStringList found = Placeholders(translation);
                if (message.counted && &translation != &message.translations.back())
                    found.removeOne(QStringLiteral("%n"));
                EXPECT_EQ(found, expected) << where;
                EXPECT_EQ(Mnemonics(translation), Mnemonics(message.source)) << where;
            }
        }
    }
}

} // namespace
