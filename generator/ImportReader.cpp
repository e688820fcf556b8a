// Reads a class module section by section, in the order the generator writes them, and
// takes from each the values that the template's fields and members put there. The
// procedures carry no values beyond those few lines; the importer passes over their bodies
// and leaves it to the comparison with the regenerated module to find what differs.
#include "Generator.h"
#include "ImportFacts.h"
#include "ImportText.h"

#include <QStringList>

#include <array>

namespace gen::importing {
namespace {

constexpr std::array kDataProcedures = {u"tmp_Data_DATA",   u"DATA_DataCopy",  u"DATA_DataPACK",
                                        u"DATA_DataUnpack", u"DATA_DataStore", u"DATA_DataRead",
                                        u"DATA_DataSpawn"};
constexpr std::array kDatabaseProcedures = {u"tmp_Database_DATABASE",   u"DATABASE_DatabaseClear",
                                            u"DATABASE_DatabaseCount",  u"DATABASE_DatabaseImport",
                                            u"DATABASE_DatabaseItem",   u"DATABASE_DatabaseItemObj",
                                            u"DATABASE_DatabaseRemove", u"DATABASE_DatabaseSearch"};
constexpr std::array kAdditionalFunctions = {
    u"LOCKSTATE", u"LOCKSET", u"LOCKRELEASE", u"ITEM", u"EXISTS",  u"COUNT",  u"REMOVE",
    u"ADD",       u"CREATE",  u"LOAD",        u"SAVE", u"DLGLOAD", u"DLGSAVE"};

template <std::size_t N> bool isOneOf(const std::array<const char16_t*, N>& names, Line head) {
    for (const char16_t* known : names)
        if (isNamed(head, known))
            return true;
    return false;
}

bool isGeneratedProcedure(Line head) {
    return isOneOf(kDataProcedures, head) || isOneOf(kDatabaseProcedures, head) ||
           isOneOf(kAdditionalFunctions, head) || isNamed(head, u"Class_Initialize");
}

QString quoted(QStringView text) {
    return QStringLiteral("„%1“").arg(text);
}

// The type of a declaration: "New " stands in front of an object type only.
Line declaredType(Line written) {
    Line type;
    if (startsWithPiece(written, u"New ", &type) && !type.isEmpty() && !hIsVB(textOf(type)))
        return type;
    return written;
}

// A member is written in at least its declaration, its Copy, Store and Read lines: no fewer
// bytes than this.
constexpr qsizetype kLeastBytesPerMember = 48;

// The second and third line of a member's bindings name the other controls.
bool isFurtherBinding(Line line) {
    for (const char* other :
         {"\"RichTextBox\"", "\"ctl_Editor\"", "\"ListBox\"", "\"OptionButton\""})
        if (line.contains(other))
            return true;
    return false;
}

// A procedure from its head to the line that ends it, by their positions.
struct Procedure {
    qsizetype head;
    qsizetype end;
};

// An editor binding of DLGLOAD: the first line of a member's bindings names its kind.
struct BindingForm {
    EditorKind kind;
    std::initializer_list<QStringView> pieces;
};

class Reader {
public:
    // Room for as many members as the module could hold is reserved up front: the lists then
    // never move, and the pages of what is not used are never touched.
    explicit Reader(const ModuleText& module) : m_module(module) {
        const std::size_t most = std::size_t(module.bytes().size()) / kLeastBytesPerMember + 1;
        for (auto* members : {&m_facts.internalMembers, &m_facts.publicMembers})
            members->reserve(most);
        for (auto* names : {&m_facts.children, &m_facts.arrays})
            names->reserve(most);
        m_facts.packed.reserve(most);
        m_facts.bound.reserve(most);
    }

    ModuleFacts read() {
        readHeader();
        readBanner();
        readInterfaces();
        if (atTitle(u"'€ Internal members"))
            readInternalMembers();
        if (atTitle(u"'€ Public members"))
            readPublicMembers();
        readClassInitialize();
        if (!atTitle(u"'€ Data interface"))
            readIdProperty();
        readDataInterface();
        if (atTitle(u"'€ Database interface"))
            readDatabaseInterface();
        readTail();
        return std::move(m_facts);
    }

    QString custom() const { return m_handWritten.join(u"\r\n"); }

private:
    bool atEnd() const { return m_at >= m_module.end(); }
    Line peek() const { return atEnd() ? Line() : m_module.line(m_at); }
    Line peekNext() const {
        const qsizetype next = atEnd() ? m_at : m_module.next(m_at);
        return next >= m_module.end() ? Line() : m_module.line(next);
    }
    Line take() {
        const Line line = m_module.line(m_at);
        m_at = m_module.next(m_at);
        return line;
    }
    void skip() { m_at = m_module.next(m_at); }

    void skipEmptyLines() {
        while (!atEnd() && isEmptyLine(peek()))
            skip();
    }

    qsizetype lastLineNumber() const { return m_module.lineNumber(m_module.bytes().size()); }

    [[noreturn]] void mismatch(const QString& expected) const {
        if (atEnd())
            throw ShapeMismatch{lastLineNumber(),
                                QStringLiteral("die Datei endet hier; erwartet %1").arg(expected)};
        throw ShapeMismatch{
            m_module.lineNumber(m_at),
            QStringLiteral("erwartet %1, gefunden %2").arg(expected, quotedLine(peek()))};
    }

    void expect(QStringView line) {
        if (atEnd() || !sameLine(peek(), line))
            mismatch(quoted(line));
        skip();
    }

    void expectSeparator(const QString& what) {
        if (atEnd() || !isSeparator(peek()))
            mismatch(QStringLiteral("%1 („'€€€…“)").arg(what));
        skip();
    }

    // Skips empty lines; true when a section with this title starts here.
    bool atTitle(QStringView title) {
        skipEmptyLines();
        return !atEnd() && isSeparator(peek()) && sameLine(peekNext(), title);
    }

    void expectTitle(QStringView title, QStringView subtitle = {}) {
        skipEmptyLines();
        expectSeparator(QStringLiteral("die Trennlinie über %1").arg(quoted(title)));
        expect(title);
        if (!subtitle.isEmpty())
            expect(subtitle);
        expectSeparator(QStringLiteral("die Trennlinie unter %1").arg(quoted(title)));
        expect(u"'");
    }

    void readHeader() {
        skipEmptyLines();
        if (atEnd() || !sameLine(peek(), u"VERSION 1.0 CLASS"))
            return;
        m_facts.attributes = true;
        skip();
        expect(u"BEGIN");
        while (!atEnd() && !sameLine(peek(), u"End") && !isSeparator(peek()))
            skip();
        expect(u"End");
        Line name;
        while (!atEnd() && startsWithPiece(peek(), u"Attribute ")) {
            if (splitLine(peek(), {u"Attribute VB_Name = \"", u"\""}, {&name}))
                m_facts.className = name;
            skip();
        }
    }

    // A banner value from after its prefix to the line that follows it; a value with line
    // breaks goes on over several lines.
    template <typename IsNext> Line readBannerValue(QStringView prefix, IsNext isNext) {
        Line first;
        if (atEnd() || !startsWithPiece(peek(), prefix, &first))
            mismatch(quoted(QStringLiteral("%1…").arg(prefix)));
        qsizetype last = m_at;
        skip();
        while (!atEnd() && !isNext(peek()) && !isSeparator(peek())) {
            last = m_at;
            skip();
        }
        const Line end = m_module.line(last);
        return Line(first.data(), end.data() + end.size());
    }

    void readBanner() {
        const auto bannerLine = [](Line line) { return sameLine(line, u"'€"); };
        const auto startsWith = [](QStringView prefix) {
            return [prefix](Line line) { return startsWithPiece(line, prefix); };
        };
        expectSeparator(QStringLiteral("die Trennlinie über dem Kopfkommentar"));
        expect(u"'€");
        m_facts.project = readBannerValue(u"'€  ", bannerLine);
        expect(u"'€");
        m_facts.fileName =
            readBannerValue(u"'€      File        : ", startsWith(u"'€      Author      : "));
        m_facts.author =
            readBannerValue(u"'€      Author      : ", startsWith(u"'€      Copyright   : "));
        m_facts.copyright =
            readBannerValue(u"'€      Copyright   : ", startsWith(u"'€      Build       : "));
        m_facts.build = readBannerValue(u"'€      Build       : ", bannerLine);
        expect(u"'€");
        if (!atEnd() && startsWithPiece(peek(), u"'€      Description : ")) {
            m_facts.description = readBannerValue(u"'€      Description : ", bannerLine);
            expect(u"'€");
        }
        expectSeparator(QStringLiteral("die Trennlinie unter dem Kopfkommentar"));
        expect(u"'");
        expect(u"Option Explicit");
    }

    void readInterfaces() {
        expectTitle(u"'€ Interfaces");
        expect(u"Implements tmp_Data");
        m_facts.database = !atEnd() && sameLine(peek(), u"Implements tmp_Database");
        if (m_facts.database)
            skip();
        expect(u"Public Withevents DATA As int_Data");
        if (m_facts.database)
            expect(u"Public Withevents DATABASE As int_Database");
    }

    // The declarations of a members section, up to the next section. One declared by hand
    // with the other scope is taken as what it says.
    template <typename Other> void readDeclarations(Other other) {
        while (true) {
            skipEmptyLines();
            if (atEnd() || isSeparator(peek()))
                return;
            const Line line = take();
            Line name, type;
            if (other(line))
                continue;
            const bool isPublic = splitLine(line, {u"Public ", u" As ", u""}, {&name, &type});
            if (!isPublic && !splitLine(line, {u"Private ", u" As ", u""}, {&name, &type}))
                continue;
            const bool arrayMark = name.endsWith("()");
            (isPublic ? m_facts.publicMembers : m_facts.internalMembers)
                .push_back({arrayMark ? name.chopped(2) : name, declaredType(type), arrayMark});
        }
    }

    void readInternalMembers() {
        expectTitle(u"'€ Internal members");
        if (m_facts.database) {
            skipEmptyLines();
            Line type;
            if (atEnd() || !splitLine(peek(), {u"Private vItem() AS ", u""}, {&type}))
                mismatch(quoted(u"Private vItem() AS …"));
            m_facts.databaseType = declaredType(type);
            skip();
        }
        readDeclarations([](Line) { return false; });
    }

    void readPublicMembers() {
        expectTitle(u"'€ Public members");
        readDeclarations([this](Line line) {
            if (sameLine(line, u"Public hParent As Object"))
                return m_facts.parent = true;
            return sameLine(line, u"Attribute hParent.VB_VarMemberFlags = \"40\"");
        });
    }

    // Moves to the head of the generated procedure `name`. Procedures and comments written by
    // hand on the way are kept for the custom code; another generated procedure, a section
    // title or anything else means the module has left the generator's shape.
    void seekProcedure(QStringView name) {
        while (true) {
            skipEmptyLines();
            const Line line = peek();
            if (!atEnd() && isProcedureHead(line)) {
                if (isNamed(line, name))
                    return;
                if (!isGeneratedProcedure(line)) {
                    keepHandWritten(takeProcedure());
                    continue;
                }
            } else if (!atEnd() && line.startsWith('\'') && !isSeparator(line)) {
                keepHandWritten({m_at, m_at});
                skip();
                continue;
            }
            mismatch(QStringLiteral("die Prozedur %1").arg(quoted(name)));
        }
    }

    // The procedure whose head is the current line, up to the line that ends it.
    Procedure takeProcedure() {
        const qsizetype head = m_at;
        const Line headLine = take();
        const QStringView end = procedureEnd(headLine);
        while (!atEnd() && !sameLine(peek(), end)) {
            if (isProcedureHead(peek()) || isSeparator(peek()))
                mismatch(QStringLiteral("%1 (das Ende von %2 aus Zeile %3)")
                             .arg(quoted(end), quotedLine(headLine))
                             .arg(m_module.lineNumber(head)));
            skip();
        }
        if (atEnd())
            throw ShapeMismatch{lastLineNumber(),
                                QStringLiteral("die Datei endet mitten in %1 (ab Zeile %2); "
                                               "erwartet %3")
                                    .arg(quotedLine(headLine))
                                    .arg(m_module.lineNumber(head))
                                    .arg(quoted(end))};
        const qsizetype last = m_at;
        skip();
        return {head, last};
    }

    Procedure readProcedure(QStringView name) {
        seekProcedure(name);
        return takeProcedure();
    }

    void keepHandWritten(Procedure lines) {
        m_handWritten.append(textOf(m_module.span(lines.head, lines.end)));
    }

    // Calls visit with each line of the procedure's body.
    template <typename Visit> void forEachBodyLine(const Procedure& procedure, Visit visit) const {
        for (qsizetype at = m_module.next(procedure.head); at < procedure.end;
             at = m_module.next(at))
            visit(m_module.line(at));
    }

    // What follows prefix on the first of the procedure's first few body lines that starts
    // with it.
    Line valueInBody(const Procedure& procedure, QStringView prefix, int within) const {
        Line value, found;
        int seen = 0;
        forEachBodyLine(procedure, [&](Line line) {
            if (found.isNull() && seen++ < within && startsWithPiece(line, prefix, &value))
                found = value;
        });
        return found;
    }

    void readClassInitialize() {
        expectTitle(u"'€ Class_Initialize()", u"'€     Sets up class");
        const Procedure procedure = readProcedure(u"Class_Initialize");
        bool itemArray = m_facts.database;
        forEachBodyLine(procedure, [&](Line line) {
            Line name;
            if (splitLine(line, {u"    Set ", u".hParent = Me"}, {&name})) {
                m_facts.children.push_back(name);
            } else if (splitLine(line, {u"    Redim ", u"(0)"}, {&name})) {
                if (itemArray && name == "vItem")
                    itemArray = false;
                else
                    m_facts.arrays.push_back(name);
            }
        });
    }

    void readIdProperty() {
        skipEmptyLines();
        expectSeparator(QStringLiteral("die Trennlinie über %1").arg(quoted(u"'€ Data interface")));
        if (atEnd() || !startsWithPiece(peek(), u"'€ "))
            mismatch(quoted(u"'€ Data interface"));
        skip();
        expect(u"'€     Direct way to access DATA.ID");
        expectSeparator(QStringLiteral("die Trennlinie unter der ID-Eigenschaft"));
        expect(u"'");
        skipEmptyLines();
        Line scope, name, type;
        if (atEnd() ||
            !splitLine(peek(), {u"", u" Property Get ", u"() As ", u""}, {&scope, &name, &type}))
            mismatch(quoted(u"Public Property Get …() As …"));
        m_facts.id = IdProperty{name, type, !sameLine(scope, u"Private")};
        takeProcedure();
        skipEmptyLines();
        if (atEnd() || !isProcedureHead(peek()) || procedureName(peek()) != name.trimmed())
            mismatch(
                quoted(QStringLiteral("%1 Property Let %2(…)").arg(textOf(scope), textOf(name))));
        takeProcedure();
    }

    void readPackedMembers(Line list, bool exact) {
        const Line separator = exact ? Line(", ") : Line(",");
        qsizetype at = list.indexOf(separator); // DATA.ID comes first
        while (at >= 0) {
            const qsizetype begin = at + separator.size();
            at = list.indexOf(separator, begin);
            Line item = list.sliced(begin, (at < 0 ? list.size() : at) - begin);
            if (!exact)
                item = item.trimmed();
            if (m_facts.database && at < 0 && item == "vItem()")
                break;
            if (item.endsWith(".DATA.PACKAGE"))
                m_facts.packed.push_back({item.chopped(13), PackedAs::Object});
            else if (item.endsWith("()"))
                m_facts.packed.push_back({item.chopped(2), PackedAs::Array});
            else
                m_facts.packed.push_back({item, PackedAs::Value});
        }
    }

    void readDataInterface() {
        expectTitle(u"'€ Data interface");
        readProcedure(u"tmp_Data_DATA");
        const Procedure copy = readProcedure(u"DATA_DataCopy");
        if (m_facts.className.isEmpty())
            m_facts.className = valueInBody(copy, u"    Dim vOther AS ", 3);
        readPack(readProcedure(u"DATA_DataPACK"));
        readProcedure(u"DATA_DataUnpack");
        readProcedure(u"DATA_DataStore");
        readProcedure(u"DATA_DataRead");
        const Procedure spawn = readProcedure(u"DATA_DataSpawn");
        if (m_facts.className.isEmpty())
            m_facts.className = valueInBody(spawn, u"    Set pcNewInstance = New ", 2);
    }

    void readPack(const Procedure& procedure) {
        constexpr QStringView prefix = u"    pcPackage = VSTRING.PACK.PACK(";
        bool found = false;
        int seen = 0;
        forEachBodyLine(procedure, [&](Line line) {
            Line list;
            if (!found && seen++ < 2 && splitLine(line, {prefix, u")"}, {&list})) {
                found = true;
                readPackedMembers(list, line.startsWith("    pcPackage = VSTRING.PACK.PACK("));
            }
        });
        if (!found)
            throw ShapeMismatch{m_module.lineNumber(procedure.head) + 2,
                                QStringLiteral("erwartet %1 in DATA_DataPACK")
                                    .arg(quoted(QStringLiteral("%1…)").arg(prefix)))};
    }

    void readDatabaseInterface() {
        expectTitle(u"'€ Database interface");
        for (const char16_t* name : kDatabaseProcedures)
            readProcedure(name);
    }

    void readBindings(const Procedure& procedure) {
        static const BindingForm forms[] = {
            {EditorKind::Number,
             {u"        If TypeName(.txt_", u") = \"TextBox\" Then .txt_", u".Text = cStr(", u")"}},
            {EditorKind::Text,
             {u"        If TypeName(.txt_", u") = \"TextBox\" Then .txt_", u".Text = ", u""}},
            {EditorKind::Flag,
             {u"        If TypeName(.opt_", u") = \"CheckBox\" Then .opt_", u".Value = Abs(Clng(",
              u"))"}},
        };
        forEachBodyLine(procedure, [&](Line line) {
            Line control, again, member;
            if (splitLine(line, {u"        .dat_", u".Value = ", u""}, {&control, &member})) {
                m_facts.bound.push_back({member, EditorKind::Date});
                return;
            }
            if (isFurtherBinding(line))
                return;
            for (const BindingForm& form : forms)
                if (splitLine(line, form.pieces, {&control, &again, &member})) {
                    m_facts.bound.push_back({member, form.kind});
                    return;
                }
        });
    }

    // What the additional interface holds, then the custom additions; whatever else stands
    // there was written by hand and goes to the custom code.
    void readTail() {
        while (true) {
            skipEmptyLines();
            if (atEnd())
                return;
            if (atTitle(u"'€ Additional interface")) {
                expectTitle(u"'€ Additional interface");
            } else if (atTitle(u"'€ Custom additions")) {
                expectTitle(u"'€ Custom additions");
                return readCustomAdditions();
            } else if (isProcedureHead(peek())) {
                readFunction(takeProcedure());
            } else {
                keepHandWrittenLines();
            }
        }
    }

    // Lines written by hand up to the next procedure or title, without the empty lines after.
    void keepHandWrittenLines() {
        const qsizetype first = m_at;
        qsizetype last = m_at;
        while (!atEnd() && !isProcedureHead(peek()) &&
               !(isSeparator(peek()) && (sameLine(peekNext(), u"'€ Custom additions") ||
                                         sameLine(peekNext(), u"'€ Additional interface")))) {
            if (!isEmptyLine(peek()))
                last = m_at;
            skip();
        }
        keepHandWritten({first, last});
    }

    void readFunction(const Procedure& procedure) {
        const Line head = m_module.line(procedure.head);
        if (!isOneOf(kAdditionalFunctions, head) || !startsWithPiece(head, u"Public Function "))
            return keepHandWritten(procedure);
        Line itemType;
        if (isNamed(head, u"LOCKSTATE")) {
            m_facts.lockFunctions = true;
        } else if (isNamed(head, u"ITEM") &&
                   splitLine(head,
                             {u"Public Function ITEM(ByVal pID As Variant, Optional ByVal "
                              u"pForceIndex As Boolean = True) As ",
                              u""},
                             {&itemType})) {
            m_facts.collectionFunctions = true;
            m_facts.databaseType = itemType;
        } else if (isNamed(head, u"LOAD")) {
            m_facts.fileFunctions = true;
        } else if (isNamed(head, u"DLGLOAD")) {
            m_facts.editor = true;
            readBindings(procedure);
        }
    }

    // The custom code: what follows the title, without the line of four blanks that ends
    // the module; a line break more or less at the end still reads.
    void readCustomAdditions() {
        QByteArrayView custom;
        if (!atEnd())
            custom = m_module.bytes().sliced(m_at);
        m_at = m_module.end();
        if (custom.endsWith("\r\n    "))
            custom.chop(6);
        else if (custom.endsWith("\r\n    \r\n"))
            custom.chop(8);
        else if (custom.endsWith("\r\n"))
            custom.chop(2);
        if (!custom.isEmpty())
            m_handWritten.append(textOf(custom));
    }

    const ModuleText& m_module;
    qsizetype m_at = 0;
    ModuleFacts m_facts;
    QStringList m_handWritten;
};

} // namespace

ModuleFacts readModuleFacts(const ModuleText& module) {
    Reader reader(module);
    ModuleFacts facts = reader.read();
    facts.custom = reader.custom();
    return facts;
}

} // namespace gen::importing
