// The job's PDF document: drawings taken over as forms, pages that place them, and the index at the end.
#include "print/pdfjob.h"

#include "platform/atomicfile.h"
#include "print/pdfsource.h"

#include <QDateTime>
#include <QHash>
#include <QList>

#include <cmath>
#include <utility>

namespace qm {

namespace {

// A length in points with as many decimals as a printer can tell apart.
QByteArray Number(double v)
{
    if (std::abs(v) < 5e-5)
        return "0";
    QByteArray text = QByteArray::number(v, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

// A text string for the document's information: UTF-16 with its byte-order mark, in hex.
QByteArray TextString(const QString& text)
{
    QByteArray bytes("<FEFF");
    for (const QChar c : text)
        bytes += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
    return bytes + '>';
}

quint32 Big32(const QByteArray& b, qsizetype at)
{
    const auto* u = reinterpret_cast<const uchar*>(b.constData() + at);
    return (quint32(u[0]) << 24) | (quint32(u[1]) << 16) | (quint32(u[2]) << 8) | u[3];
}

void PutBig32(QByteArray& b, qsizetype at, quint32 v)
{
    b[at] = char(v >> 24);
    b[at + 1] = char(v >> 16);
    b[at + 2] = char(v >> 8);
    b[at + 3] = char(v);
}

quint32 TableSum(const QByteArray& b, qsizetype from, qsizetype length)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < length; i += 4) {
        quint32 word = 0;
        for (int k = 0; k < 4; ++k)
            word = (word << 8) | (from + i + k < b.size() && i + k < length ? uchar(b[from + i + k]) : 0);
        sum += word;
    }
    return sum;
}

// An embedded TrueType subset without the tables a PDF reader never uses: Qt's subsets carry the font's
// whole name table (its licence text included), often ten times the size of the glyphs themselves. Empty
// when the font is not one this understands; it is then kept as it is.
QByteArray SlimTrueType(const QByteArray& font)
{
    if (font.size() < 12 || (Big32(font, 0) != 0x00010000 && Big32(font, 0) != 0x74727565))
        return QByteArray();
    const int count = (uchar(font[4]) << 8) | uchar(font[5]);
    if (count <= 0 || 12 + 16 * qsizetype(count) > font.size())
        return QByteArray();
    struct Table
    {
        quint32 Tag, Sum, Offset, Length;
    };
    QList<Table> kept;
    bool dropped = false;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 12 + 16 * qsizetype(i);
        const Table t{Big32(font, at), Big32(font, at + 4), Big32(font, at + 8), Big32(font, at + 12)};
        if (qint64(t.Offset) + t.Length > font.size())
            return QByteArray();
        if (t.Tag == 0x6E616D65 /* name */ || t.Tag == 0x706F7374 /* post */) {
            dropped = true;
            continue;
        }
        kept.append(t);
    }
    if (!dropped || kept.isEmpty())
        return QByteArray();
    const int n = int(kept.size());
    int power = 1, log2 = 0;
    while (power * 2 <= n) {
        power *= 2;
        ++log2;
    }
    QByteArray out(12 + 16 * n, '\0');
    PutBig32(out, 0, Big32(font, 0));
    out[4] = char(n >> 8);
    out[5] = char(n);
    out[6] = char((power * 16) >> 8);
    out[7] = char(power * 16);
    out[8] = char(log2 >> 8);
    out[9] = char(log2);
    out[10] = char((n * 16 - power * 16) >> 8);
    out[11] = char(n * 16 - power * 16);
    qsizetype headAt = -1;
    for (int i = 0; i < n; ++i) {
        const Table& t = kept[i];
        const qsizetype at = 12 + 16 * qsizetype(i);
        PutBig32(out, at, t.Tag);
        PutBig32(out, at + 4, t.Sum);
        PutBig32(out, at + 8, quint32(out.size()));
        PutBig32(out, at + 12, t.Length);
        if (t.Tag == 0x68656164 /* head */)
            headAt = out.size();
        out.append(font.mid(t.Offset, t.Length));
        while (out.size() % 4)
            out.append('\0');
    }
    if (headAt >= 0 && headAt + 12 <= out.size()) {
        // The whole font's checksum, kept in the head table, is worked out again.
        PutBig32(out, headAt + 8, 0);
        PutBig32(out, headAt + 8, 0xB1B0AFBAu - TableSum(out, 0, out.size()));
    }
    return out;
}

// A TrueType font file stream made smaller; false when it stays as it is.
bool SlimFontFile(TPdfObject* object)
{
    if (!object->HasStream || !object->Value.contains("/Length1"))
        return false;
    bool ok = false;
    const qint64 unpacked = TPdfSource::Value(object->Value, "/Length1").trimmed().toLongLong(&ok);
    if (!ok || unpacked <= 0 || unpacked > 64 * 1024 * 1024)
        return false;
    const bool flate = TPdfSource::Value(object->Value, "/Filter").trimmed() == "/FlateDecode";
    QByteArray font = object->Stream;
    if (flate) {
        // qUncompress wants the size in front of zlib's data.
        QByteArray sized(4, '\0');
        PutBig32(sized, 0, quint32(unpacked));
        font = qUncompress(sized + object->Stream);
        if (font.size() != unpacked)
            return false;
    }
    const QByteArray slim = SlimTrueType(font);
    if (slim.isEmpty())
        return false;
    object->Stream = flate ? qCompress(slim, 9).mid(4) : slim;
    object->Value = "<<\n/Length1 " + QByteArray::number(slim.size()) + "\n/Length " +
                    QByteArray::number(object->Stream.size()) + (flate ? "\n/Filter /FlateDecode" : "") + "\n>>";
    return true;
}

} // namespace

TPdfJobWriter::TPdfJobWriter(const QString& fileName) : mFileName(fileName) {}

TPdfJobWriter::~TPdfJobWriter()
{
    Abort();
}

bool TPdfJobWriter::Fail(const QString& reason)
{
    if (mError.isEmpty())
        mError = reason;
    return false;
}

bool TPdfJobWriter::Open(const QString& title)
{
    mTitle = title;
    mError.clear();
    mMemory.clear();
    mOffset = 0;
    mOffsets.assign(1, 0);
    mPages.clear();
    mDrawings.clear();
    mFonts.clear();
    mLastContent.clear();
    mLastContentObject = 0;
    mInPage = false;
    if (!mFileName.isEmpty()) {
        mFile = std::make_unique<TAtomicFileWriter>(mFileName);
        if (!mFile->Open())
            return Fail(mFile->ErrorString());
    }
    mOpen = true;
    Write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    // The page tree and the shared resources are written last, when all pages and drawings are known.
    mPagesObject = NewObject();
    mResourcesObject = NewObject();
    return !Failed();
}

int TPdfJobWriter::NewObject()
{
    mOffsets.push_back(0);
    return int(mOffsets.size()) - 1;
}

void TPdfJobWriter::BeginObject(int object)
{
    mOffsets[size_t(object)] = mOffset;
    Write(QByteArray::number(object) + " 0 obj\n");
}

void TPdfJobWriter::Write(const QByteArray& bytes)
{
    if (!mOpen || Failed())
        return;
    mOffset += bytes.size();
    if (!mFile) {
        mMemory += bytes;
        return;
    }
    if (!mFile->Write(bytes))
        Fail(mFile->ErrorString());
}

bool TPdfJobWriter::TakeOver(const TPdfSource& source, const QByteArray& value, int skipped,
                             QHash<int, int>* numbers, const std::function<void(TPdfObject&)>& edit)
{
    QList<std::pair<int, TPdfObject>> objects; // read once, in the order they are written
    QList<int> pending = TPdfSource::References(value);
    while (!pending.isEmpty()) {
        const int old = pending.takeLast();
        if (numbers->contains(old) || old == skipped)
            continue;
        TPdfObject object;
        if (!source.Read(old, &object))
            return Fail(QStringLiteral("a drawing of the job refers to an object it lacks"));
        numbers->insert(old, NewObject());
        pending.append(TPdfSource::References(object.Value));
        objects.append({old, std::move(object)});
    }
    const auto map = [numbers](int old) { return numbers->value(old); };
    // Fonts are embedded as subsets, whose names carry a tag ("QNAAAA+DejaVuSans") in their descriptors;
    // the fonts themselves get the tagged name too, so that readers see them as subsets. Each document
    // taken over tags its subsets alike, so the tags are made anew from the job's own object numbers.
    QHash<QByteArray, QByteArray> subsetNames;
    QHash<int, std::pair<QByteArray, QByteArray>> renamed; // descriptor: old name, new name
    for (const auto& [old, object] : objects) {
        if (!object.Value.contains("/FontDescriptor") || !TPdfSource::Value(object.Value, "/Type").startsWith("/FontDescriptor"))
            continue;
        const QByteArray name = TPdfSource::Value(object.Value, "/FontName");
        const qsizetype plus = name.indexOf('+');
        if (plus != 7)
            continue;
        QByteArray tagged = "/";
        for (int i = 0, tag = numbers->value(old); i < 6; ++i, tag /= 26)
            tagged += char('A' + tag % 26);
        tagged += name.mid(plus);
        renamed.insert(old, {name, tagged});
        subsetNames.insert('/' + name.mid(plus + 1), tagged);
    }
    for (auto& [old, object] : objects) {
        SlimFontFile(&object);
        if (const auto name = renamed.constFind(old); name != renamed.constEnd())
            object.Value.replace("/FontName " + name->first, "/FontName " + name->second);
        if (!subsetNames.isEmpty() && !object.HasStream) {
            const QByteArray base = TPdfSource::Value(object.Value, "/BaseFont");
            const auto tagged = subsetNames.constFind(base);
            if (tagged != subsetNames.constEnd())
                object.Value.replace("/BaseFont " + base, "/BaseFont " + *tagged);
        }
        if (edit)
            edit(object);
        BeginObject(numbers->value(old));
        Write(TPdfSource::Renumber(object.Value, map));
        if (object.HasStream) {
            Write("\nstream\n");
            Write(object.Stream);
            Write("\nendstream");
        }
        Write("\nendobj\n");
    }
    return !Failed();
}

int TPdfJobWriter::AddDrawing(const QByteArray& pdf)
{
    if (!mOpen || Failed())
        return -1;
    TPdfSource source;
    if (!source.Parse(pdf)) {
        Fail(QStringLiteral("a drawing of the job could not be read back"));
        return -1;
    }
    return AddDrawing(source);
}

int TPdfJobWriter::AddDrawing(const TPdfSource& source)
{
    if (!mOpen || Failed())
        return -1;
    int pageNumber = 0;
    TPdfObject page;
    QRectF box;
    if (!source.FirstPage(&pageNumber, &page, &box)) {
        Fail(QStringLiteral("a drawing of the job could not be read back"));
        return -1;
    }
    // Objects the pages share (fonts above all) come along once.
    QHash<int, int> numbers;
    const auto map = [&numbers](int old) { return numbers.value(old); };
    // A page's contents become a form of the page's size.
    const auto takePage = [&]() -> int {
        TPdfObject contents;
        const int contentsNumber = TPdfSource::Reference(TPdfSource::Value(page.Value, "/Contents"));
        if (!contentsNumber || !source.Read(contentsNumber, &contents) || !contents.HasStream) {
            Fail(QStringLiteral("a drawing of the job has no contents"));
            return -1;
        }
        const QByteArray resources = TPdfSource::Value(page.Value, "/Resources");
        if (!TakeOver(source, resources, pageNumber, &numbers))
            return -1;
        const int form = NewObject();
        BeginObject(form);
        QByteArray dictionary = "<<\n/Type /XObject\n/Subtype /Form\n/BBox [" + Number(box.left()) + ' ' +
                                Number(box.top()) + ' ' + Number(box.right()) + ' ' + Number(box.bottom()) + "]\n";
        if (!resources.isEmpty())
            dictionary += "/Resources " + TPdfSource::Renumber(resources, map) + '\n';
        const QByteArray filter = TPdfSource::Value(contents.Value, "/Filter");
        if (!filter.isEmpty())
            dictionary += "/Filter " + filter + '\n';
        dictionary += "/Length " + QByteArray::number(contents.Stream.size()) + "\n>>\nstream\n";
        Write(dictionary);
        Write(contents.Stream);
        Write("\nendstream\nendobj\n");
        return Failed() ? -1 : form;
    };
    int form = takePage();
    if (form < 0)
        return -1;

    // A drawing of very many objects comes in parts, a page each, laid over each other in order: the
    // drawing is a form that calls the parts' forms.
    const QList<int> pages = source.PageNumbers();
    if (pages.size() > 1) {
        QByteArray names, calls;
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                pageNumber = pages[i];
                if (!source.Read(pageNumber, &page)) {
                    Fail(QStringLiteral("a drawing of the job could not be read back"));
                    return -1;
                }
                form = takePage();
                if (form < 0)
                    return -1;
            }
            names += " /P" + QByteArray::number(i) + ' ' + QByteArray::number(form) + " 0 R";
            calls += "/P" + QByteArray::number(i) + " Do\n";
        }
        form = NewObject();
        BeginObject(form);
        Write("<<\n/Type /XObject\n/Subtype /Form\n/BBox [" + Number(box.left()) + ' ' + Number(box.top()) + ' ' +
              Number(box.right()) + ' ' + Number(box.bottom()) + "]\n/Resources << /XObject <<" + names +
              " >> >>\n/Length " + QByteArray::number(calls.size()) + "\n>>\nstream\n");
        Write(calls);
        Write("\nendstream\nendobj\n");
        if (Failed())
            return -1;
    }
    mDrawings.push_back(Drawing{form, box.size()});
    return int(mDrawings.size()) - 1;
}

QSizeF TPdfJobWriter::DrawingSize(int drawing) const
{
    if (drawing < 0 || drawing >= int(mDrawings.size()))
        return QSizeF();
    return mDrawings[size_t(drawing)].Size;
}

void TPdfJobWriter::BeginPage(const QSizeF& points)
{
    mPageSize = points;
    mPageContent.clear();
    mInPage = true;
}

void TPdfJobWriter::Place(int drawing, const QPointF& topLeft)
{
    if (!mInPage || drawing < 0 || drawing >= int(mDrawings.size()))
        return;
    // PDF counts upwards from the bottom-left corner.
    const double bottom = mPageSize.height() - topLeft.y() - mDrawings[size_t(drawing)].Size.height();
    mPageContent += "q 1 0 0 1 " + Number(topLeft.x()) + ' ' + Number(bottom) + " cm /D" +
                    QByteArray::number(drawing) + " Do Q\n";
}

void TPdfJobWriter::AddContent(const QByteArray& operators)
{
    if (mInPage)
        mPageContent += operators;
}

bool TPdfJobWriter::AddFont(const QByteArray& name, const QByteArray& pdf, int glyphs, const QByteArray& widths)
{
    if (!mOpen || Failed())
        return false;
    TPdfSource source;
    int pageNumber = 0;
    TPdfObject page, contents;
    QRectF box;
    if (!source.Parse(pdf) || !source.FirstPage(&pageNumber, &page, &box))
        return Fail(QStringLiteral("a font of the job could not be read back"));
    QByteArray fonts = TPdfSource::Value(page.Value, "/Resources");
    if (const int number = TPdfSource::Reference(fonts)) {
        TPdfObject resources;
        if (!source.Read(number, &resources))
            return Fail(QStringLiteral("a font of the job could not be read back"));
        fonts = resources.Value;
    }
    fonts = TPdfSource::Value(fonts, "/Font");
    const QList<int> found = TPdfSource::References(fonts);
    if (found.size() != 1)
        return Fail(QStringLiteral("a font of the job could not be read back"));
    if (glyphs > 0) {
        // The glyphs must carry the numbers the pages gave them.
        const int contentsNumber = TPdfSource::Reference(TPdfSource::Value(page.Value, "/Contents"));
        if (!contentsNumber || !source.Read(contentsNumber, &contents) || !contents.HasStream)
            return Fail(QStringLiteral("a font of the job could not be read back"));
        QByteArray text = contents.Stream;
        if (TPdfSource::Value(contents.Value, "/Filter").trimmed() == "/FlateDecode") {
            QByteArray sized(4, '\0');
            PutBig32(sized, 0, quint32(std::max<qsizetype>(1024, text.size() * 8)));
            text = qUncompress(sized + text);
        }
        int next = 1;
        for (qsizetype at = text.indexOf('<'); at >= 0 && next < glyphs; at = text.indexOf('<', at + 1)) {
            const qsizetype end = text.indexOf('>', at);
            if (end < 0)
                break;
            bool ok = false;
            const int number = text.mid(at + 1, end - at - 1).toInt(&ok, 16);
            if (!ok || number != next)
                break;
            ++next;
        }
        if (next != glyphs)
            return Fail(QStringLiteral("the glyphs of a font of the job could not be numbered"));
    }
    QHash<int, int> numbers;
    const bool ok = TakeOver(source, fonts, pageNumber, &numbers, [&widths](TPdfObject& object) {
        if (widths.isEmpty() || !object.Value.contains("/CIDFontType2"))
            return;
        // The pages place each glyph by these widths.
        const QByteArray w = TPdfSource::Value(object.Value, "/W");
        const QByteArray dw = TPdfSource::Value(object.Value, "/DW");
        if (!w.isEmpty())
            object.Value.replace("/W " + w, "/W " + widths);
        else if (!dw.isEmpty())
            object.Value.replace("/DW " + dw, "/W " + widths);
    });
    if (!ok)
        return false;
    mFonts.emplace_back(name, numbers.value(found.front()));
    return true;
}

bool TPdfJobWriter::EndPage()
{
    if (!mInPage || !mOpen)
        return false;
    mInPage = false;
    if (mPageContent != mLastContent || !mLastContentObject) {
        mLastContentObject = NewObject();
        BeginObject(mLastContentObject);
        if (mPageContent.size() > 512) {
            // Pages with text of their own are worth packing.
            const QByteArray packed = qCompress(mPageContent, 6).mid(4);
            Write("<< /Length " + QByteArray::number(packed.size()) + " /Filter /FlateDecode >>\nstream\n");
            Write(packed);
        } else {
            Write("<< /Length " + QByteArray::number(mPageContent.size()) + " >>\nstream\n");
            Write(mPageContent);
        }
        Write("\nendstream\nendobj\n");
        mLastContent = mPageContent;
    }
    const int page = NewObject();
    BeginObject(page);
    Write("<< /Type /Page /Parent " + QByteArray::number(mPagesObject) + " 0 R /MediaBox [0 0 " +
          Number(mPageSize.width()) + ' ' + Number(mPageSize.height()) + "] /Resources " +
          QByteArray::number(mResourcesObject) + " 0 R /Contents " + QByteArray::number(mLastContentObject) +
          " 0 R >>\nendobj\n");
    mPages.push_back(page);
    return !Failed();
}

bool TPdfJobWriter::Finish()
{
    if (!mOpen)
        return false;
    if (mInPage)
        EndPage();

    BeginObject(mResourcesObject);
    QByteArray resources = "<< /ProcSet [/PDF /Text /ImageB /ImageC] /XObject <<";
    for (size_t i = 0; i < mDrawings.size(); ++i)
        resources += " /D" + QByteArray::number(qulonglong(i)) + ' ' + QByteArray::number(mDrawings[i].Object) + " 0 R";
    resources += " >>";
    if (!mFonts.empty()) {
        resources += " /Font <<";
        for (const auto& [name, object] : mFonts)
            resources += ' ' + name + ' ' + QByteArray::number(object) + " 0 R";
        resources += " >>";
    }
    Write(resources + " >>\nendobj\n");

    BeginObject(mPagesObject);
    Write("<< /Type /Pages /Count " + QByteArray::number(qulonglong(mPages.size())) + " /Kids [");
    QByteArray kids;
    for (size_t i = 0; i < mPages.size(); ++i) {
        kids += QByteArray::number(mPages[i]) + (i % 8 == 7 ? " 0 R\n" : " 0 R ");
        if (kids.size() > 64 * 1024) {
            Write(kids);
            kids.clear();
        }
    }
    Write(kids + "] >>\nendobj\n");

    const int catalog = NewObject();
    BeginObject(catalog);
    Write("<< /Type /Catalog /Pages " + QByteArray::number(mPagesObject) + " 0 R >>\nendobj\n");
    const int info = NewObject();
    BeginObject(info);
    Write("<< /Title " + TextString(mTitle) + " /Creator " + TextString(QStringLiteral("Quillmark")) +
          " /Producer " + TextString(QStringLiteral("Quillmark")) + " /CreationDate (D:" +
          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z) >>\nendobj\n");

    const qint64 xref = mOffset;
    Write("xref\n0 " + QByteArray::number(qulonglong(mOffsets.size())) + "\n0000000000 65535 f \n");
    QByteArray table;
    for (size_t i = 1; i < mOffsets.size(); ++i) {
        table += QByteArray::number(mOffsets[i]).rightJustified(10, '0') + " 00000 n \n";
        if (table.size() > 64 * 1024) {
            Write(table);
            table.clear();
        }
    }
    Write(table);
    Write("trailer\n<< /Size " + QByteArray::number(qulonglong(mOffsets.size())) + " /Root " +
          QByteArray::number(catalog) + " 0 R /Info " + QByteArray::number(info) + " 0 R >>\nstartxref\n" +
          QByteArray::number(xref) + "\n%%EOF\n");
    mOpen = false;
    if (Failed()) {
        Abort();
        return false;
    }
    if (mFile && !mFile->Commit()) {
        Fail(mFile->ErrorString());
        mFile.reset();
        return false;
    }
    mFile.reset();
    return true;
}

void TPdfJobWriter::Abort()
{
    mOpen = false;
    mInPage = false;
    if (mFile) {
        mFile->Abort();
        mFile.reset();
    }
}

qint64 TPdfJobWriter::BytesHeld() const
{
    qint64 held = qint64(mOffsets.capacity() * sizeof(qint64) + mPages.capacity() * sizeof(int)) +
                  mPageContent.capacity() + mLastContent.capacity();
    if (mFile)
        held += mFile->Buffered();
    return held;
}

} // namespace qm
