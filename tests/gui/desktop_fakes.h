// SPDX-License-Identifier: MIT
// Stand-ins for the desktop while a test runs: a recorder of the addresses the program asks the
// desktop to open, and fake programs on an otherwise empty search path.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <vector>

namespace kalvora::testing_support {

// Takes over the file, web and mail addresses while it lives and records each one instead of
// opening it.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder();
    ~UrlRecorder() override;

    std::vector<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

// While it lives, the search path holds only a temporary folder; each program added there records
// in one log that it ran and with which arguments.
class FakePrograms {
public:
    FakePrograms();
    ~FakePrograms();
    FakePrograms(const FakePrograms&) = delete;
    FakePrograms& operator=(const FakePrograms&) = delete;

    // Puts a program `name` on the search path.
    void Add(const QString& name);
    // Waits up to five seconds for `name` to have run; true once it has.
    bool WaitUntilRan(const QString& name) const;
    // The arguments `name` ran with, separated by blanks; empty while it has not run.
    QString Arguments(const QString& name) const;
    // The programs that ran, in the order their runs were recorded.
    QStringList Ran() const;

private:
    QStringList Runs() const;  // the log's lines: a name, then the arguments
    QString Log() const;

    QTemporaryDir bin_;
    QByteArray savedPath_;
};

}  // namespace kalvora::testing_support
