#pragma once

#include "corelib/FileIO.h"

#include <QString>
#include <utility>
#include <variant>

// One plain field of a record: its name, where it lives, the first file version "1.<since>"
// that holds it, and whether its text repeats across the records of one file (records then share
// one text). A record's fields stand in a table in file order; copy, store, read and the windows
// walk that table, so no operation can miss a field or take another order.
template <class Record> struct RecordField {
    const char* name;
    std::variant<QString Record::*, bool Record::*> member;
    int since;
    bool repeats = false;

    bool isText() const { return std::holds_alternative<QString Record::*>(member); }
    QString& text(Record& record) const { return record.*std::get<QString Record::*>(member); }
    const QString& text(const Record& record) const {
        return record.*std::get<QString Record::*>(member);
    }
    bool& option(Record& record) const { return record.*std::get<bool Record::*>(member); }
    bool option(const Record& record) const { return record.*std::get<bool Record::*>(member); }
};

template <class Record, class Fields>
void copyFields(const Fields& fields, Record& to, const Record& from) {
    for (const auto& field : fields)
        std::visit([&](auto member) { to.*member = from.*member; }, field.member);
}

template <class Record, class Fields>
bool equalFields(const Fields& fields, const Record& a, const Record& b) {
    for (const auto& field : fields)
        if (!std::visit([&](auto member) { return a.*member == b.*member; }, field.member))
            return false;
    return true;
}

template <class Record, class Fields> void swapFields(const Fields& fields, Record& a, Record& b) {
    for (const auto& field : fields)
        std::visit([&](auto member) { std::swap(a.*member, b.*member); }, field.member);
}

template <class Record, class Fields>
void storeFields(const Fields& fields, vlt::tmp_FileIO& file, Record& record) {
    for (const auto& field : fields)
        std::visit([&](auto member) { file.STORE({record.*member}); }, field.member);
}

inline void readField(vlt::tmp_FileIO& file, QString& text, bool repeats) {
    if (repeats)
        file.READ({vlt::RepeatedText{&text}});
    else
        file.READ({&text});
}

inline void readField(vlt::tmp_FileIO& file, bool& option, bool) {
    file.READ({&option});
}

// Reads the fields that version "1.<version>" holds; the others keep their values.
template <class Record, class Fields>
void readFields(const Fields& fields, vlt::tmp_FileIO& file, Record& record, int version) {
    for (const auto& field : fields)
        if (field.since <= version)
            std::visit([&](auto member) { readField(file, record.*member, field.repeats); },
                       field.member);
}

inline QString versionText(int version) {
    return QStringLiteral("1.%1").arg(version);
}

// The version whose text is exactly `text`, "1.0" to "1.<newest>"; -1 for any other text. Read
// once per record, so it builds no texts to compare with.
inline int knownVersion(QStringView text, int newest) {
    if (text.size() < 3 || text.size() > 11 || text[0] != u'1' || text[1] != u'.')
        return -1;
    const QStringView digits = text.sliced(2);
    if (digits.size() > 1 && digits.front() == u'0')
        return -1;
    int version = 0;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return -1;
        version = version * 10 + (digit.unicode() - u'0');
    }
    return version <= newest ? version : -1;
}
