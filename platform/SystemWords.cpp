#include "platform/SystemWords.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

constexpr const char *context = "Words";

struct Pattern {
    QString english;
    QRegularExpression match; // the English with each placeholder a capture in value order
    std::vector<int> order;   // the value number of each capture
    qsizetype literal = 0;    // characters outside the placeholders
};

const QRegularExpression &placeholder() {
    static const QRegularExpression found(QStringLiteral("%(L?)([1-9])"));
    return found;
}

Pattern patternOf(std::string_view english) {
    Pattern pattern{QString::fromUtf8(english.data(), qsizetype(english.size())), {}, {}, 0};
    QString expression = QStringLiteral("^");
    qsizetype from = 0;
    auto matches = placeholder().globalMatch(pattern.english);
    while (matches.hasNext()) {
        const auto found = matches.next();
        expression +=
            QRegularExpression::escape(pattern.english.mid(from, found.capturedStart() - from));
        expression += QStringLiteral("(.*?)");
        pattern.order.push_back(found.captured(2).toInt());
        pattern.literal += found.capturedStart() - from;
        from = found.capturedEnd();
    }
    expression += QRegularExpression::escape(pattern.english.mid(from)) + QStringLiteral("$");
    pattern.literal += pattern.english.size() - from;
    pattern.match.setPattern(expression);
    return pattern;
}

// The patterns, the longest literal first, so that a sentence is read by its most specific one.
std::vector<Pattern> &patterns() {
    static std::vector<Pattern> all;
    return all;
}

QString translatedLine(const QString &line);

// A value in the translation: a number where the translation asks for the language's digits,
// else the value's own words translated where the catalogue holds them.
QString valueWords(const QString &value, bool asNumber) {
    if (asNumber) {
        bool isNumber = false;
        const qlonglong number = QString(value).remove(u',').toLongLong(&isNumber);
        if (isNumber)
            return QLocale().toString(number);
    }
    return translatedLine(value);
}

// The translated pattern with the values in their places, in one pass.
QString filled(const QString &translation, const QStringList &values) {
    QString words;
    qsizetype from = 0;
    auto matches = placeholder().globalMatch(translation);
    while (matches.hasNext()) {
        const auto found = matches.next();
        words += translation.mid(from, found.capturedStart() - from);
        const qsizetype index = found.captured(2).toInt() - 1;
        words += index < values.size() ? valueWords(values[index], !found.captured(1).isEmpty())
                                       : found.captured();
        from = found.capturedEnd();
    }
    return words + translation.mid(from);
}

QString composedLine(const QString &line) {
    for (const Pattern &pattern : patterns()) {
        const auto found = pattern.match.match(line);
        if (!found.hasMatch())
            continue;
        QStringList values(9);
        for (std::size_t capture = 0; capture < pattern.order.size(); ++capture)
            values[pattern.order[capture] - 1] = found.captured(int(capture) + 1);
        const QByteArray source = pattern.english.toUtf8();
        return filled(QCoreApplication::translate(context, source.constData()), values);
    }
    return line;
}

QString translatedLine(const QString &line) {
    const QByteArray source = line.toUtf8();
    const QString translation = QCoreApplication::translate(context, source.constData());
    return translation != line ? translation : composedLine(line);
}

} // namespace

void addWordPatterns(std::span<const std::string_view> added) {
    for (const std::string_view english : added)
        patterns().push_back(patternOf(english));
    std::stable_sort(patterns().begin(), patterns().end(),
                     [](const Pattern &a, const Pattern &b) { return a.literal > b.literal; });
}

QString systemWords(std::string_view english) {
    const QString text = QString::fromUtf8(english.data(), qsizetype(english.size()));
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = translatedLine(line);
    return lines.join(u'\n');
}

} // namespace platform
