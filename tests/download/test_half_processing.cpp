#include "dat_fixture.h"

#include "download/half_loader.h"
#include "download/half_processing.h"
#include "download/program_image.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(EProgramHalf)
Q_DECLARE_METATYPE(EHalfLoadResult)

namespace {
QByteArray HalfAsBytes(EProgramHalf half) {
    return QByteArray(reinterpret_cast<const char*>(HalfBytes(half)), kProgramHalfSize);
}

uint16_t ValueIn(EProgramHalf half, int k) {
    return HalfValue(HalfBytes(half), k);
}

void StoreValues(EProgramHalf half, const QVector<uint16_t>& values) {
    for (int k = 0; k < values.size(); ++k)
        SetHalfValue(HalfBytes(half), k, values[k]);
}
} // namespace

class TestHalfProcessing : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString DatFile(const QVector<uint16_t>& values, const QString& name) {
        CDatFileLayout layout;
        layout.values = values;
        return WriteFixtureFile(m_dir.path(), name, DatFileBytes(layout));
    }

private slots:
    void init() { ResetProgramImage(); }

    void valuesAreBigEndian() {
        SetHalfValue(HalfBytes(EProgramHalf::Half38000), 3, 0x1234);
        QCOMPARE(ProgramImage[0x10006], uint8_t(0x12));
        QCOMPARE(ProgramImage[0x10007], uint8_t(0x34));
        QCOMPARE(ValueIn(EProgramHalf::Half38000, 3), uint16_t(0x1234));
        QCOMPARE(ProgramImage[6], uint8_t(0)); // the other half is not touched
    }

    void signature_data() {
        QTest::addColumn<EProgramHalf>("half");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<bool>("valid");
        const auto low = EProgramHalf::Half28000;
        const auto high = EProgramHalf::Half38000;
        QTest::newRow("0x28000 good") << low << 0xD801 << 0xAD28 << true;
        QTest::newRow("0x38000 good") << high << 0xD801 << 0xAD38 << true;
        QTest::newRow("0x28000 file for the 0x38000 half") << high << 0xD801 << 0xAD28 << false;
        QTest::newRow("0x38000 file for the 0x28000 half") << low << 0xD801 << 0xAD38 << false;
        QTest::newRow("first value wrong") << low << 0xD802 << 0xAD28 << false;
        QTest::newRow("bytes swapped") << low << 0x01D8 << 0x28AD << false;
        QTest::newRow("all zero") << high << 0 << 0 << false;
    }
    void signature() {
        QFETCH(EProgramHalf, half);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(bool, valid);
        SetHalfValue(HalfBytes(half), 0, uint16_t(first));
        SetHalfValue(HalfBytes(half), 1, uint16_t(second));
        QCOMPARE(HasValidSignature(half, HalfBytes(half)), valid);
    }

    // Whole halves against the expectation built value by value from the file's values.
    void postProcessingMatchesExpectation_data() {
        QTest::addColumn<EProgramHalf>("half");
        QTest::addColumn<uint32_t>("seed");
        QTest::newRow("0x28000 a") << EProgramHalf::Half28000 << 1u;
        QTest::newRow("0x28000 b") << EProgramHalf::Half28000 << 77u;
        QTest::newRow("0x38000 a") << EProgramHalf::Half38000 << 2u;
        QTest::newRow("0x38000 b") << EProgramHalf::Half38000 << 99u;
    }
    void postProcessingMatchesExpectation() {
        QFETCH(EProgramHalf, half);
        QFETCH(uint32_t, seed);
        const bool low = half == EProgramHalf::Half28000;
        const QVector<uint16_t> values = ProgramValues(low ? 0xAD28 : 0xAD38, seed);
        StoreValues(half, values);
        PostProcessHalf(half, HalfBytes(half));
        QCOMPARE(HalfAsBytes(half), low ? ExpectedHalf28000(values) : ExpectedHalf38000(values));
    }

    // Hand-worked checksums: only a few values are non-zero.
    void checksum_data() {
        QTest::addColumn<EProgramHalf>("half");
        QTest::addColumn<QVector<int>>("positions");
        QTest::addColumn<QVector<int>>("values");
        QTest::addColumn<int>("sumAt");
        QTest::addColumn<int>("sum");
        const auto low = EProgramHalf::Half28000;
        const auto high = EProgramHalf::Half38000;
        QTest::newRow("0x28000 ends of the range")
            << low << QVector<int>{768, 30718} << QVector<int>{0x1234, 0x0F0F} << 30719 << 0x1D3B;
        QTest::newRow("0x28000 outside the range ignored")
            << low << QVector<int>{767, 30719, 30720, 800}
            << QVector<int>{0x1111, 0x2222, 0x3333, 0x00F0} << 30719 << 0x00F0;
        QTest::newRow("0x28000 pair cancels")
            << low << QVector<int>{1000, 2000} << QVector<int>{0xABCD, 0xABCD} << 30719 << 0;
        QTest::newRow("0x38000 ends of the range")
            << high << QVector<int>{128, 29694} << QVector<int>{0x8001, 0x0180} << 29695 << 0x8181;
        QTest::newRow("0x38000 outside the range ignored")
            << high << QVector<int>{127, 29695, 29696, 4000}
            << QVector<int>{0x1111, 0x2222, 0x3333, 0xF00F} << 29695 << 0xF00F;
    }
    void checksum() {
        QFETCH(EProgramHalf, half);
        QFETCH(QVector<int>, positions);
        QFETCH(QVector<int>, values);
        QFETCH(int, sumAt);
        QFETCH(int, sum);
        for (int i = 0; i < positions.size(); ++i)
            SetHalfValue(HalfBytes(half), positions[i], uint16_t(values[i]));
        PostProcessHalf(half, HalfBytes(half));
        QCOMPARE(int(ValueIn(half, sumAt)), sum);
    }

    // Byte offsets of the blanked ranges; the bytes around them are left as they were.
    void blanking_data() {
        QTest::addColumn<EProgramHalf>("half");
        QTest::addColumn<int>("firstByte");
        QTest::addColumn<int>("lastByte");
        QTest::newRow("0x28000 start") << EProgramHalf::Half28000 << 0x0000 << 0x05FF;
        QTest::newRow("0x38000 start") << EProgramHalf::Half38000 << 0x0000 << 0x00FF;
        QTest::newRow("0x38000 middle") << EProgramHalf::Half38000 << 0xE800 << 0xE80F;
    }
    void blanking() {
        QFETCH(EProgramHalf, half);
        QFETCH(int, firstByte);
        QFETCH(int, lastByte);
        QVector<uint16_t> values(kFixtureValueCount, 0x0102);
        StoreValues(half, values);
        PostProcessHalf(half, HalfBytes(half));
        const QByteArray bytes = HalfAsBytes(half);
        QCOMPARE(bytes.mid(firstByte, lastByte - firstByte + 1),
                 QByteArray(lastByte - firstByte + 1, char(0xFF)));
        if (firstByte > 0)
            QCOMPARE(bytes.mid(firstByte - 2, 2), QByteArray("\x01\x02"));
        QVERIFY(bytes.mid(lastByte + 1, 2) != QByteArray("\xFF\xFF"));
    }

    void masking_data() {
        QTest::addColumn<QVector<int>>("positions"); // values set in the masked range 29704..30719
        QTest::addColumn<QVector<int>>("values");
        QTest::addColumn<int>("maskedUpTo"); // the last masked position; 29703 for none
        QTest::newRow("no zero: all masked") << QVector<int>{} << QVector<int>{} << 30719;
        QTest::newRow("zero first: none masked") << QVector<int>{29704} << QVector<int>{0} << 29703;
        QTest::newRow("stops at the first zero") << QVector<int>{30000} << QVector<int>{0} << 29999;
        QTest::newRow("non-zero after the zero stays")
            << QVector<int>{30000, 30001, 30002} << QVector<int>{0, 0x1111, 0} << 29999;
        QTest::newRow("zero last") << QVector<int>{30719} << QVector<int>{0} << 30718;
        QTest::newRow("mask value itself is no stop")
            << QVector<int>{29800, 29900} << QVector<int>{0x5AC3, 0} << 29899;
    }
    void masking() {
        QFETCH(QVector<int>, positions);
        QFETCH(QVector<int>, values);
        QFETCH(int, maskedUpTo);
        const auto half = EProgramHalf::Half38000;
        QVector<uint16_t> file(kFixtureValueCount, 0x7001);
        for (int i = 0; i < positions.size(); ++i)
            file[positions[i]] = uint16_t(values[i]);
        StoreValues(half, file);
        PostProcessHalf(half, HalfBytes(half));
        for (int k = 29704; k <= 30719; ++k) {
            const uint16_t expected = k <= maskedUpTo ? file[k] ^ 0x5AC3 : file[k];
            QCOMPARE(ValueIn(half, k), expected);
        }
        QCOMPARE(ValueIn(half, 30720), uint16_t(0x7001)); // beyond the range
    }

    void maskingAlone() {
        uint8_t* bytes = HalfBytes(EProgramHalf::Half38000);
        SetHalfValue(bytes, 10, 0x1234);
        SetHalfValue(bytes, 11, 0xFFFF);
        SetHalfValue(bytes, 12, 0);
        SetHalfValue(bytes, 13, 0x1234);
        MaskUntilFirstZero(bytes, 10, 13);
        QCOMPARE(ValueIn(EProgramHalf::Half38000, 10), uint16_t(0x48F7));
        QCOMPARE(ValueIn(EProgramHalf::Half38000, 11), uint16_t(0xA53C));
        QCOMPARE(ValueIn(EProgramHalf::Half38000, 12), uint16_t(0));
        QCOMPARE(ValueIn(EProgramHalf::Half38000, 13), uint16_t(0x1234));
    }

    // Loading: read, check, prepare; a wrong signature leaves the file's values unprocessed.
    void load_data() {
        QTest::addColumn<EProgramHalf>("half");
        QTest::addColumn<int>("mark");
        QTest::addColumn<EHalfLoadResult>("result");
        const auto low = EProgramHalf::Half28000;
        const auto high = EProgramHalf::Half38000;
        QTest::newRow("0x28000 file") << low << 0xAD28 << EHalfLoadResult::Loaded;
        QTest::newRow("0x38000 file") << high << 0xAD38 << EHalfLoadResult::Loaded;
        QTest::newRow("0x28000 file as 0x38000") << high << 0xAD28 << EHalfLoadResult::InvalidFile;
        QTest::newRow("0x38000 file as 0x28000") << low << 0xAD38 << EHalfLoadResult::InvalidFile;
    }
    void load() {
        QFETCH(EProgramHalf, half);
        QFETCH(int, mark);
        QFETCH(EHalfLoadResult, result);
        const QVector<uint16_t> values = ProgramValues(uint16_t(mark), 5);
        QCOMPARE(LoadProgramHalf(half, DatFile(values, QStringLiteral("load.dat"))), result);
        QByteArray expected = BigEndianBytes(values);
        if (result == EHalfLoadResult::Loaded)
            expected = half == EProgramHalf::Half28000 ? ExpectedHalf28000(values)
                                                       : ExpectedHalf38000(values);
        QCOMPARE(HalfAsBytes(half), expected);
        const EProgramHalf other =
            half == EProgramHalf::Half28000 ? EProgramHalf::Half38000 : EProgramHalf::Half28000;
        QCOMPARE(HalfAsBytes(other), QByteArray(kProgramHalfSize, '\0'));
    }

    void loadFailures() {
        QCOMPARE(LoadProgramHalf(EProgramHalf::Half28000, m_dir.filePath(QStringLiteral("none"))),
                 EHalfLoadResult::OpenFailed);
        QVector<uint16_t> shortFile = ProgramValues(0xAD28, 3);
        shortFile.removeLast();
        QCOMPARE(LoadProgramHalf(EProgramHalf::Half28000, DatFile(shortFile, "short.dat")),
                 EHalfLoadResult::ReadFailed);
        QCOMPARE(ValueIn(EProgramHalf::Half28000, 0), uint16_t(0xD801)); // stays, unprocessed
        QCOMPARE(ValueIn(EProgramHalf::Half28000, 32766), shortFile.last());
        QCOMPARE(ValueIn(EProgramHalf::Half28000, 32767), uint16_t(0));
    }
};

QTEST_GUILESS_MAIN(TestHalfProcessing)
#include "test_half_processing.moc"
