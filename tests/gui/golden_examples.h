// SPDX-License-Identifier: MIT
// The worked examples of the command line's golden file, for tests that type them into windows.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <string_view>

namespace kalvora::testing_support {

// A worked example: its texts in reading order and the results the command line gives for them.
struct WorkedExample {
    QStringList texts;
    QStringList results;
};

inline QStringList GoldenLines(const char* name) {
    QFile file(QStringLiteral(KALVORA_GOLDEN_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// The first example of the form `slug` that gives results.
inline WorkedExample FirstExample(std::string_view slug) {
    static const QStringList examples = GoldenLines("examples.tsv");
    static const QStringList expected = GoldenLines("expected.tsv");
    const QString wanted = QString::fromUtf8(slug.data(), qsizetype(slug.size()));
    for (qsizetype i = 0; i < examples.size() && i < expected.size(); ++i) {
        QStringList texts = examples[i].split(u'\t');
        QStringList results = expected[i].split(u'\t');
        if (texts.takeFirst() != wanted || results.takeFirst() != QStringLiteral("ok")) continue;
        return {texts, results};
    }
    ADD_FAILURE() << "no worked example of " << slug;
    return {};
}

}  // namespace kalvora::testing_support
