// SPDX-License-Identifier: GPL-3.0-or-later
// Copying pages and fonts of a PDF document read by libqpdf into a job, objects renumbered and fonts checked.
#include "print/pdfcopy.h"

#include "print/pdftruetype.h"

#include <QCoreApplication>
#include <QHash>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <deque>
#include <exception>
#include <map>
#include <utility>
#include <vector>

namespace qm {

namespace {

// The bytes of every text-showing operator's strings, in order: the glyph numbers of a two-byte font.
class TShownText : public QPDFObjectHandle::ParserCallbacks
{
public:
    QByteArray Shown;

    void handleObject(QPDFObjectHandle object) override
    {
        if (!object.isOperator()) {
            mOperands.push_back(object);
            return;
        }
        const std::string op = object.getOperatorValue();
        if (op == "Tj" || op == "TJ" || op == "'" || op == "\"") {
            for (QPDFObjectHandle& operand : mOperands) {
                if (operand.isString()) {
                    Take(operand);
                } else if (operand.isArray()) {
                    for (QPDFObjectHandle item : operand.aitems())
                        if (item.isString())
                            Take(item);
                }
            }
        }
        mOperands.clear();
    }
    void handleEOF() override {}

private:
    void Take(QPDFObjectHandle& string)
    {
        const std::string bytes = string.getStringValue();
        Shown.append(bytes.data(), qsizetype(bytes.size()));
    }
    std::vector<QPDFObjectHandle> mOperands;
};

bool gReadBackFault = false;

bool IsSubsetName(const std::string& name)
{
    // "/ABCDEF+Face"
    if (name.size() < 9 || name[0] != '/' || name[7] != '+')
        return false;
    for (int i = 1; i < 7; ++i)
        if (name[size_t(i)] < 'A' || name[size_t(i)] > 'Z')
            return false;
    return true;
}

} // namespace

struct TPdfCopy::Data
{
    Allocate NewNumber;
    Emit Out;
    QPDF Document;
    std::map<QPDFObjGen, int> Numbers; // objects copied or being copied
    std::deque<QPDFObjectHandle> Pending;
    // Forms of pages with one content stream: that stream, whose bytes the form takes as they are stored
    // (libqpdf's form would hold them unpacked, and the job would pack them again).
    std::map<QPDFObjGen, QPDFObjectHandle> FormContents;

    // The job's number of an object of the document, taken when first met.
    int Number(QPDFObjectHandle& object)
    {
        const auto found = Numbers.find(object.getObjGen());
        if (found != Numbers.end())
            return found->second;
        const int number = NewNumber();
        Numbers.emplace(object.getObjGen(), number);
        Pending.push_back(object);
        return number;
    }

    // Gives every object the value refers to, directly or through others, a number of the job.
    void Reach(QPDFObjectHandle value)
    {
        if (value.isIndirect()) {
            Number(value);
            return;
        }
        ReachInside(value);
    }
    void ReachInside(QPDFObjectHandle value)
    {
        if (value.isArray()) {
            for (QPDFObjectHandle item : value.aitems())
                Reach(item);
        } else if (value.isDictionary()) {
            for (auto item : value.ditems())
                Reach(item.second);
        } else if (value.isStream()) {
            // A stream's length is written as a number of its own.
            for (auto item : value.getDict().ditems())
                if (item.first != "/Length")
                    Reach(item.second);
        }
    }

    // The value as PDF text, references by the job's numbers.
    void Write(QPDFObjectHandle value, std::string& out, bool top = false)
    {
        if (value.isIndirect() && !top) {
            out += std::to_string(Number(value));
            out += " 0 R";
            return;
        }
        if (value.isArray()) {
            out += '[';
            for (QPDFObjectHandle item : value.aitems()) {
                Write(item, out);
                out += ' ';
            }
            out += ']';
        } else if (value.isDictionary()) {
            out += "<<";
            for (auto item : value.ditems()) {
                if (item.second.isNull())
                    continue;
                out += QPDFObjectHandle::newName(item.first).unparse();
                out += ' ';
                Write(item.second, out);
                out += '\n';
            }
            out += ">>";
        } else if (value.isIndirect()) {
            // An object that is a number, a name or a string on its own.
            out += value.unparseResolved();
        } else {
            out += value.unparseBinary();
        }
    }

    // Writes one object; a stream keeps its bytes as stored, packed when they were not.
    void WriteObject(QPDFObjectHandle object)
    {
        const int number = Numbers.at(object.getObjGen());
        if (object.isNull())
            throw std::runtime_error("refers to an object it lacks");
        std::string value;
        if (!object.isStream()) {
            Write(object, value, true);
            Out(number, QByteArray::fromStdString(value), nullptr);
            return;
        }
        QPDFObjectHandle dict = object.getDict().shallowCopy();
        QPDFObjectHandle source = object;
        if (const auto contents = FormContents.find(object.getObjGen()); contents != FormContents.end()) {
            source = contents->second;
            for (const char* key : {"/Filter", "/DecodeParms"}) {
                QPDFObjectHandle value = source.getDict().getKey(key);
                if (!value.isNull())
                    dict.replaceKey(key, value.isIndirect() ? value.shallowCopy() : value);
            }
        }
        std::shared_ptr<Buffer> raw;
        QByteArray bytes;
        if (dict.getKey("/Length1").isInteger()) {
            // An embedded TrueType font: without the tables no reader uses, when it is one we understand.
            std::shared_ptr<Buffer> font = object.getStreamData(qpdf_dl_generalized);
            bytes = SlimTrueType(
                QByteArray::fromRawData(reinterpret_cast<const char*>(font->getBuffer()), qsizetype(font->getSize())));
            if (!bytes.isEmpty()) {
                dict.removeKey("/Filter");
                dict.removeKey("/DecodeParms");
                dict.replaceKey("/Length1", QPDFObjectHandle::newInteger(bytes.size()));
            }
        }
        if (bytes.isEmpty()) {
            // Lent, not copied: a part of a large drawing may hold megabytes.
            raw = source.getRawStreamData();
            bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(raw->getBuffer()), qsizetype(raw->getSize()));
        }
        if (!dict.hasKey("/Filter") && bytes.size() > 512) {
            bytes = qCompress(bytes, 6).mid(4);
            dict.replaceKey("/Filter", QPDFObjectHandle::newName("/FlateDecode"));
        }
        dict.replaceKey("/Length", QPDFObjectHandle::newInteger(bytes.size()));
        Write(dict, value);
        const QByteArray head = QByteArray::fromStdString(value);
        Out(number, head, &bytes);
    }

    // Names each subset font after the job's number of its descriptor, the fonts that use the descriptor
    // alike; false when a subset's descriptor is used by no font found.
    bool NameSubsets(const std::vector<QPDFObjectHandle>& objects)
    {
        QHash<int, std::string> renamed; // descriptor's number: its new name
        QHash<int, bool> used;
        for (QPDFObjectHandle object : objects) {
            if (!object.isDictionary() || !object.getKey("/Type").isNameAndEquals("/FontDescriptor"))
                continue;
            QPDFObjectHandle name = object.getKey("/FontName");
            if (!name.isName() || !IsSubsetName(name.getName()))
                continue;
            const int number = Numbers.at(object.getObjGen());
            std::string tagged = "/";
            for (int i = 0, tag = number; i < 6; ++i, tag /= 26)
                tagged += char('A' + tag % 26);
            tagged += name.getName().substr(7);
            object.replaceKey("/FontName", QPDFObjectHandle::newName(tagged));
            renamed.insert(number, tagged);
            used.insert(number, false);
        }
        if (renamed.isEmpty())
            return true;
        const auto descriptorName = [&](QPDFObjectHandle font) -> const std::string* {
            QPDFObjectHandle descriptor = font.getKey("/FontDescriptor");
            if (!descriptor.isIndirect())
                return nullptr;
            const auto found = Numbers.find(descriptor.getObjGen());
            if (found == Numbers.end() || !renamed.contains(found->second))
                return nullptr;
            used[found->second] = true;
            return &renamed[found->second];
        };
        for (QPDFObjectHandle font : objects) {
            if (!font.isDictionary() || !font.getKey("/Type").isNameAndEquals("/Font"))
                continue;
            const std::string* name = descriptorName(font);
            QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
            if (!name && descendants.isArray() && descendants.getArrayNItems() == 1)
                name = descriptorName(descendants.getArrayItem(0));
            if (name)
                font.replaceKey("/BaseFont", QPDFObjectHandle::newName(*name));
        }
        for (auto it = used.cbegin(); it != used.cend(); ++it)
            if (!it.value())
                return false;
        return true;
    }

    // Copies every object reached so far and all they refer to, subset fonts named anew.
    bool CopyPending()
    {
        std::vector<QPDFObjectHandle> objects;
        while (!Pending.empty()) {
            QPDFObjectHandle object = Pending.front();
            Pending.pop_front();
            ReachInside(object);
            objects.push_back(object);
        }
        if (!NameSubsets(objects))
            return false;
        for (QPDFObjectHandle& object : objects)
            WriteObject(object);
        return true;
    }
};

void SetReadBackFaultForTesting(bool damaged)
{
    gReadBackFault = damaged;
}

TPdfCopy::TPdfCopy(Allocate allocate, Emit out) : d(std::make_unique<Data>())
{
    d->NewNumber = std::move(allocate);
    d->Out = std::move(out);
    // A damaged document is refused rather than guessed at, and nothing is said on the terminal.
    d->Document.setSuppressWarnings(true);
    d->Document.setAttemptRecovery(false);
}

TPdfCopy::~TPdfCopy() = default;

bool TPdfCopy::Fail(const QString& reason)
{
    if (mError.isEmpty())
        mError = reason;
    return false;
}

bool TPdfCopy::Open(const QByteArray& pdf)
{
    try {
        const size_t size = gReadBackFault ? size_t(pdf.size() / 2) : size_t(pdf.size());
        d->Document.processMemoryFile("drawing", pdf.constData(), size);
        if (d->Document.getAllPages().empty())
            return Fail(QCoreApplication::translate("qm::TPdfCopy", "it has no pages"));
        return true;
    } catch (const std::exception& e) {
        return Fail(QString::fromStdString(e.what()));
    }
}

bool TPdfCopy::OpenFile(const QString& path)
{
    try {
        if (gReadBackFault)
            return Fail(QCoreApplication::translate("qm::TPdfCopy", "it is cut off"));
        d->Document.processFile(path.toLocal8Bit().constData());
        if (d->Document.getAllPages().empty())
            return Fail(QCoreApplication::translate("qm::TPdfCopy", "it has no pages"));
        return true;
    } catch (const std::exception& e) {
        return Fail(QString::fromStdString(e.what()));
    }
}

int TPdfCopy::PageCount() const
{
    try {
        return int(d->Document.getAllPages().size());
    } catch (const std::exception&) {
        return 0;
    }
}

QSizeF TPdfCopy::PageSize() const
{
    try {
        QPDFPageObjectHelper page(d->Document.getAllPages().front());
        const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
        return QSizeF(box.urx - box.llx, box.ury - box.lly);
    } catch (const std::exception&) {
        return QSizeF();
    }
}

int TPdfCopy::CopyPageAsForm(int index)
{
    try {
        const std::vector<QPDFObjectHandle>& pages = d->Document.getAllPages();
        if (index < 0 || size_t(index) >= pages.size()) {
            Fail(QCoreApplication::translate("qm::TPdfCopy", "it has no such page"));
            return 0;
        }
        QPDFPageObjectHelper page(pages[size_t(index)]);
        QPDFObjectHandle form = page.getFormXObjectForPage();
        QPDFObjectHandle contents = page.getObjectHandle().getKey("/Contents");
        if (contents.isStream())
            d->FormContents.emplace(form.getObjGen(), contents);
        const int number = d->Number(form);
        if (!d->CopyPending()) {
            Fail(QCoreApplication::translate("qm::TPdfCopy", "a subset font is used by no font"));
            return 0;
        }
        return number;
    } catch (const std::exception& e) {
        Fail(QString::fromStdString(e.what()));
        return 0;
    }
}

int TPdfCopy::CopyFont(int glyphs, const QByteArray& widths)
{
    try {
        QPDFPageObjectHelper page(d->Document.getAllPages().front());
        QPDFObjectHandle fonts = page.getAttribute("/Resources", false).getKey("/Font");
        if (!fonts.isDictionary() || fonts.getKeys().size() != 1) {
            Fail(QCoreApplication::translate("qm::TPdfCopy", "its page does not have one font"));
            return 0;
        }
        QPDFObjectHandle font = fonts.getKey(*fonts.getKeys().begin());
        if (!font.isIndirect() || !font.isDictionary()) {
            Fail(QCoreApplication::translate("qm::TPdfCopy", "its font is not an object of its own"));
            return 0;
        }
        if (glyphs > 1) {
            // The glyphs must carry the numbers the pages gave them.
            TShownText shown;
            page.parseContents(&shown);
            QByteArray expected;
            for (int g = 1; g < glyphs; ++g)
                expected += char(g >> 8) + QByteArray(1, char(g & 0xFF));
            if (!shown.Shown.startsWith(expected)) {
                Fail(QCoreApplication::translate("qm::TPdfCopy",
                                                 "its glyphs are not numbered as the pages number them"));
                return 0;
            }
        }
        if (!widths.isEmpty()) {
            // The pages place each glyph by these widths: the font must be the two-byte TrueType kind
            // whose widths are kept in /W.
            QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
            QPDFObjectHandle glyphFont =
                descendants.isArray() && descendants.getArrayNItems() == 1 ? descendants.getArrayItem(0)
                                                                           : QPDFObjectHandle::newNull();
            if (!font.getKey("/Subtype").isNameAndEquals("/Type0") || !glyphFont.isDictionary() ||
                !glyphFont.getKey("/Subtype").isNameAndEquals("/CIDFontType2")) {
                Fail(QCoreApplication::translate("qm::TPdfCopy", "its font has no glyph widths to set"));
                return 0;
            }
            QPDFObjectHandle table = QPDFObjectHandle::parse(widths.toStdString(), "glyph widths");
            if (!table.isArray()) {
                Fail(QCoreApplication::translate("qm::TPdfCopy", "the glyph widths are no table"));
                return 0;
            }
            glyphFont.replaceKey("/W", table);
        }
        const int number = d->Number(font);
        if (!d->CopyPending()) {
            Fail(QCoreApplication::translate("qm::TPdfCopy", "a subset font is used by no font"));
            return 0;
        }
        return number;
    } catch (const std::exception& e) {
        Fail(QString::fromStdString(e.what()));
        return 0;
    }
}

} // namespace qm
