#pragma once

#include "BulkMemory.h"
#include "FileIO.h"

#include <QByteArray>
#include <QString>
#include <vector>

class QFile;

namespace vlt {

enum FileOpenMode : int { ID_FileOpen_Input = 1, ID_FileOpen_Output = 2 };

// The structured file object. Reading: OPENURL loads the file and checks its frame (header and
// closing END line), READ and READFNC check each value line as they hand it out, and CLOSEURL
// checks the lines no READ reached, so a reader that takes over what it read only after
// CLOSEURL never takes over a damaged file. Each line is looked at once. Writing: values (or raw
// text) are collected in memory and CLOSEURL writes them atomically; a file object released
// without CLOSEURL writes nothing.
// Every failure raises vlt::Error with a German message that names the file and the cause.
class cls_File : public tmp_FileIO {
public:
    cls_File();
    ~cls_File() override;

    // A non-empty password seals the file (writing) or unseals it (reading).
    void OPENURL(const QString& path, int mode, const QString& password = QString());
    void STORE(std::initializer_list<Variant> values) override;
    void READ(std::initializer_list<ReadTarget> targets) override;
    Variant READFNC() override;
    // Puts bytes into an output file unchanged: the file then holds exactly these bytes and no
    // structure of its own (class modules). Cannot be mixed with STORE.
    void WRITETEXT(const QByteArray& bytes);
    void CLOSEURL();

private:
    void clearInput();
    QByteArray readWhole(QFile& file);
    void load();
    void takeFile(QByteArray bytes);
    [[noreturn]] void refuse(QByteArrayView bytes, qsizetype start) const;
    void checkUnreadLines();
    void checkHeader(QByteArrayView text) const;
    [[noreturn]] void corrupt(int line, const QString& cause) const;
    void requireMode(int mode) const;
    QByteArrayView nextLine();
    template <class Target> void readValue(QByteArrayView line, Target* target);
    void readValue(QByteArrayView line, QStringView* target);
    void readValue(QByteArrayView line, RepeatedText target);

    QString m_url;
    QString m_password;
    int m_mode = 0;
    // Reading: the file (in m_block when it was read from disk), the offset of the next value
    // line and where the values end.
    BulkBlock m_block;
    QByteArray m_in;
    qsizetype m_cursor = 0;
    qsizetype m_valuesEnd = 0;
    int m_line = 0;
    // The text a QStringView target sees, and the texts made for RepeatedText targets with the
    // line each was read from (a view into m_in).
    QString m_view;
    struct Repeated {
        QByteArrayView line;
        QString text;
    };
    static constexpr std::size_t kMostRepeated = 64;
    std::vector<Repeated> m_repeated;
    // Writing: the value lines encoded as they are stored, or the raw text.
    QByteArray m_out;
    std::size_t m_storedCount = 0;
    bool m_hasText = false;
};

} // namespace vlt
