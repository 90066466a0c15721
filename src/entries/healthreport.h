#pragma once

#include "store/passwordhealth.h"

#include <QDate>
#include <QList>
#include <functional>
#include <optional>

// One line of the password health report: the entry and what is wrong with its password. It
// holds no password, only the estimate made from it.
struct HealthRow {
    std::optional<EntryKey> key;
    QString description;
    QString category;
    int score = 0;       // zxcvbn's score, 0..4
    double guesses = 1;  // zxcvbn's estimated guesses
    int sharedWith = 0;  // how many other entries hold the same password
    QDate lastUpdate;    // invalid when unknown
    bool weak = false;   // score below StrongScore
    bool reused = false; // another entry holds the same password
    bool old = false;    // last updated more than a year before the report
    int problems() const { return int(weak) + int(reused) + int(old); }
};

// The rows of the report for records read today, worst first: more problems first, then the
// weaker, the more shared, the older, then by description. The records' passwords are wiped as
// they are used. keepGoing(done) is asked after each record; when it answers false the work stops
// and nothing is given back.
std::optional<QList<HealthRow>> classifyPasswords(QList<PasswordRecord> records, QDate today,
                                                  const std::function<bool(qsizetype done)>& keepGoing = {});

// The summary line: "12 passwords: 3 weak, 2 reused, 1 old."
QString healthSummary(const QList<HealthRow>& rows);
