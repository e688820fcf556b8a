#include "support/CaseTable.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "corelib/Data.h"
#include "corelib/VString.h"
#include "corelib/Variant.h"

#include <cmath>

using vlt::Variant;
using vlt::VSTRING;

namespace {

// A record of a class that handles none of the data events, as a module may leave them.
struct Declining : vlt::tmp_Data, vlt::DataEvents {
    vlt::int_Data data{*this};
    vlt::int_Data& tmp_Data_DATA() override { return data; }
    void DATA_DataCopy(vlt::tmp_Data&, bool&) override {}
    void DATA_DataPACK(QString&) override {}
    void DATA_DataUnpack(QString&) override {}
    void DATA_DataStore(vlt::tmp_FileIO&) override {}
    void DATA_DataRead(vlt::tmp_FileIO&) override {}
    void DATA_DataSpawn(std::shared_ptr<vlt::tmp_Data>&) override {}
};

} // namespace

class ValueTest : public QObject {
    Q_OBJECT

private slots:
    void unhandledCopyAndSpawnAreErrors() {
        Declining record;
        record.data.ACTIVEX = u"VLT.Fremd"_s;
        QCOMPARE(errorOf([&] { record.data.COPY(record); }),
                 u"Das Objekt \"VLT.Fremd\" kann nicht kopiert werden."_s);
        QCOMPARE(errorOf([&] { record.data.SPAWN(); }),
                 u"Das Objekt \"VLT.Fremd\" kann keine neue Instanz erzeugen."_s);
    }
    void equality_data() { addCaseRows(u"variant-equality"_s, 3); }
    void equality() {
        const auto [a, b, equal] = caseFields<3>();
        QCOMPARE(valueOf(a) == valueOf(b), equal == "1");
        QCOMPARE(valueOf(b) == valueOf(a), equal == "1");
    }

    void packRoundTrip_data() {
        addCaseRows(u"value-lines"_s, 1);
        QTest::newRow("missing") << QByteArrayList{"M"};
        QTest::newRow("negative zero") << QByteArrayList{"D:-0"};
        QTest::newRow("infinity") << QByteArrayList{"D:inf"};
        QTest::newRow("separators") << QByteArrayList{"S:12:S3:abc;L5;A1:N"};
        QTest::newRow("lone surrogate") << QByteArrayList{"S:\xed\xa0\x80"};
    }
    void packRoundTrip() {
        const auto [line] = caseFields<1>();
        const Variant value = valueOf(line);
        const QString package = VSTRING.PACK.PACK({value, value, Variant(7)});
        Variant first;
        Variant second;
        qint32 last = 0;
        VSTRING.PACK.UNPACK(package, {&first, &second, &last});
        QCOMPARE(first.kind(), value.kind());
        QVERIFY(first == value && second == value);
        QCOMPARE(last, 7);
        if (value.kind() == Variant::Kind::Double)
            QCOMPARE(std::signbit(first.toDouble()), std::signbit(value.toDouble()));
    }
};
CLASSSHAPER_TEST(ValueTest);

#include "tst_values.moc"
