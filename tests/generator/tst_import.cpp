// Import: modules of random templates read back into templates that generate them byte for
// byte, and every kind of file that is no such module refused with its reason and line.
#include "support/CaseTable.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "generator/Generator.h"
#include "generator/Import.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"
#include "model/TemplateFile.h"

namespace {

const QDir kGolden(QStringLiteral(DATA_DIR "/golden"));

QByteArray moduleBytes(cls_Class& tpl, bool attributes) {
    return gen::encodeModule(gen::hCompile(tpl, attributes)).bytes;
}

// Random templates: identifiers of random case, every member flag and option, texts with
// blanks, umlauts, quotes and characters outside the code page, custom code of every ending.
class RandomTemplate {
public:
    explicit RandomTemplate(quint32 seed) : m_random(seed) {}

    void fill(cls_Class& tpl) {
        tpl.CLASSNAME = u"cls_"_s + identifier();
        tpl.PROJECT = text();
        tpl.FILENAME = tpl.CLASSNAME + u".cls"_s;
        tpl.AUTHOR = text();
        tpl.COPYRIGHT = text();
        tpl.BUILD = text();
        tpl.DESCRIPTION = chance(4) ? QString() : text();
        tpl.DATABASE_TYPE = chance(2) ? QString() : u"cls_"_s + identifier();
        for (bool* option : {&tpl.DATABASE_ADVANCED, &tpl.DATABASE_LOCK, &tpl.DATA_PARENT,
                             &tpl.DATA_LOADSAVE, &tpl.DATA_LOCK, &tpl.DATA_EDITOR})
            *option = chance(2);
        tpl.CUSTOM = custom();
        QStringList names;
        for (int count = int(m_random.bounded(14)); names.size() < count;) {
            const QString name = identifier();
            if (!names.contains(name, Qt::CaseInsensitive) &&
                name.compare(u"vItem"_s, Qt::CaseInsensitive) != 0)
                names.append(name);
        }
        for (const QString& name : names)
            tpl.MEMBERS().DATABASE.ADD(member(name));
    }

private:
    bool chance(int oneIn) { return m_random.bounded(oneIn) == 0; }
    template <typename T, std::size_t N> const T& pick(const T (&items)[N]) {
        return items[m_random.bounded(int(N))];
    }

    QString identifier() {
        static const char16_t* const parts[] = {u"kunde", u"Nr",  u"MENGE",  u"preis", u"Datum",
                                                u"x",     u"Ort", u"straße", u"id",    u"Wert"};
        QString name = QString::fromUtf16(pick(parts));
        while (chance(2))
            name += QString::fromUtf16(pick(parts)) + (chance(3) ? u"_2"_s : "");
        return name;
    }

    QString text() {
        static const char16_t* const parts[] = {u"Veltrane",   u" ", u"Grüße", u"\"Süd\"", u"€",
                                                u"2001-02-03", u":", u"Ω",     u"(c)",     u"  "};
        QString result;
        for (int i = int(m_random.bounded(5)); i > 0; --i)
            result += QString::fromUtf16(pick(parts));
        return result;
    }

    QString custom() {
        static const char16_t* const endings[] = {u"", u"\r\n", u"\r\n    ", u"\r\n\r\n"};
        switch (m_random.bounded(4)) {
        case 0:
            return QString();
        case 1:
            return u"   "_s;
        default:
            return QStringLiteral("Public Function Summe() As Long\r\n    Summe = 1\r\nEnd "
                                  "Function") +
                   QString::fromUtf16(pick(endings));
        }
    }

    std::shared_ptr<cls_Member> member(const QString& name) {
        static const char16_t* const types[] = {
            u"String",    u"Long",    u"Boolean",        u"Date",     u"Double",
            u"Single",    u"Integer", u"Variant",        u"cls_Teil", u"str_Punkt",
            u"enm_Farbe", u"string",  u"ADODB.Recordset"};
        auto member = std::make_shared<cls_Member>();
        member->MNAME = name;
        member->MTYPE = QString::fromUtf16(pick(types));
        for (bool* flag : {&member->MPUBLIC, &member->MARRAY, &member->MDATAID, &member->MNOTBOUND,
                           &member->MCHILD})
            *flag = chance(3);
        return member;
    }

    QRandomGenerator m_random;
};

QByteArray golden(const QString& name) {
    return readBytes(kGolden.filePath(name));
}

// A case file's start and edits applied, as its head comment describes them.
QByteArray editedFile(const QByteArray& start, const QByteArray& edits) {
    return applyEdits(start == "-" ? QByteArray() : golden(QString::fromLatin1(start)), edits);
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT

private slots:

    void refused_data() { addCaseRows(u"import-refused"_s, 3); }

    void refused() {
        const auto [start, edits, reason] = caseFields<3>();
        const QByteArray bytes = editedFile(start, edits);
        QCOMPARE(errorOf([&] { gen::importModuleBytes(bytes, u"k.cls"_s); }),
                 u"Die Datei \"k.cls\" kann nicht importiert werden: "_s +
                     QString::fromUtf8(reason));
    }
    // A folder, a missing file, an empty one (read, not mapped) and a sparse file over the limit.
    void refusedFromDisk() {
        const QTemporaryDir dir;
        writeBytes(dir.filePath(u"leer.cls"_s), QByteArray());
        QFile huge(dir.filePath(u"gross.cls"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize((qint64(1) << 30) + 1));
        const QString missing = dir.filePath(u"fehlt.cls"_s);
        for (const auto& [path, reason] :
             {std::pair{dir.path(), "importiert werden: sie ist ein Ordner."},
              {missing, "gelesen werden: "},
              {dir.filePath(u"leer.cls"_s), "importiert werden: sie ist leer."},
              {huge.fileName(), "importiert werden: sie ist größer als 1 GB."}})
            QVERIFY(errorOf([&] {
                        gen::importModule(path);
                    }).startsWith("Die Datei \"" + path + "\" kann nicht " + reason));
    }

    void imperfect_data() { addCaseRows(u"import-imperfect"_s, 5); }

    void imperfect() {
        const auto [start, edits, firstDifference, custom, members] = caseFields<5>();
        const gen::ModuleImport imported =
            gen::importModuleBytes(editedFile(start, edits), u"k.cls"_s);
        QVERIFY(!imported.exact());
        const QStringList differences = gen::importDifferences(imported, 3);
        QVERIFY2(differences.join(u'\n').startsWith(QString::fromUtf8(firstDifference)),
                 qPrintable(differences.join('\n')));
        if (custom != "-")
            QCOMPARE(imported.tpl->CUSTOM, QString::fromUtf8(custom));
        if (members.toInt() >= 0)
            QCOMPARE(imported.tpl->MEMBERS().COUNT(), members.toInt());
    }

    void randomTemplates_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 400; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    // Checked or not (many have findings: public arrays, children of value types, ...),
    // every one comes back exact in both forms.
    void randomTemplates() {
        QFETCH(quint32, seed);
        cls_Class tpl;
        RandomTemplate(seed).fill(tpl);
        for (const bool attributes : {true, false}) {
            const gen::ModuleImport imported =
                gen::importModuleBytes(moduleBytes(tpl, attributes), u"m.cls"_s);
            QVERIFY2(imported.exact(), qPrintable(gen::importDifferences(imported, 5).join(u'\n')));
            QCOMPARE(imported.tpl->DATA_LOCK, tpl.DATA_LOCK); // its members are the option's
        }
    }
};

CLASSSHAPER_TEST(ImportTest);
#include "tst_import.moc"
