// SPDX-License-Identifier: MIT
#include "desktop_fakes.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTest>

namespace kalvora::testing_support {
namespace {

constexpr const char* kSchemes[] = {"file", "http", "https", "mailto"};

}  // namespace

UrlRecorder::UrlRecorder() {
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder() {
    for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

FakePrograms::FakePrograms() : savedPath_(qgetenv("PATH")) {
    qputenv("PATH", bin_.path().toLocal8Bit());
}

FakePrograms::~FakePrograms() {
    qputenv("PATH", savedPath_);
}

void FakePrograms::Add(const QString& name) {
    QFile script(QDir(bin_.path()).filePath(name));
    if (!script.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << script.fileName().toStdString();
        return;
    }
    // One line per run, its name and its arguments, appended in one write.
    script.write(QStringLiteral("#!/bin/sh\necho '%1' \"$@\" >> '%2'\n").arg(name, Log()).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool FakePrograms::WaitUntilRan(const QString& name) const {
    return QTest::qWaitFor([&] { return Ran().contains(name); }, 5000);
}

QString FakePrograms::Arguments(const QString& name) const {
    for (const QString& line : Runs())
        if (line.section(u' ', 0, 0) == name) return line.section(u' ', 1);
    return {};
}

QStringList FakePrograms::Ran() const {
    QStringList names;
    for (const QString& line : Runs()) names.append(line.section(u' ', 0, 0));
    return names;
}

QStringList FakePrograms::Runs() const {
    QFile log(Log());
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QString FakePrograms::Log() const {
    return QDir(bin_.path()).filePath(QStringLiteral("runs.log"));
}

}  // namespace kalvora::testing_support
