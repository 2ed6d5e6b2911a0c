// SPDX-License-Identifier: GPL-3.0-or-later
// TLabelPrinter: one print or preview job: the card repeated over the chosen sheet positions, page after
// page.
#pragma once

#include "pictures/pictures.h"
#include "model/mergerecord.h"
#include "model/sheetlayout.h"
#include "print/duplexplacement.h"
#include "print/finetuning.h"
#include "print/sheetpositions.h"

#include <QCoreApplication>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace qm {

class CardModel;
class TKBasePanel;
class TKReport;

// The sheet as a job prints it: the layout's card size, counts, margins and pitches in inches with the
// printer's nudges added.
struct SheetGeometry
{
    SheetGeometry() = default;
    SheetGeometry(const CardSheetLayout& layout, const PrintNudges& nudges = PrintNudges());

    double CardHeight = 2.0;
    double CardWidth = 3.5;
    int Across = 2;
    int Down = 5;
    double TopMargin = 0.5;
    double LeftMargin = 0.75;
    double HPitch = 3.5;
    double VPitch = 2.0;
    // The printer's calibration: card positions are stretched by the scales about the paper's top-left
    // corner and then moved by the offsets (inches), across and down the upright sheet.
    double OffsetX = 0;
    double OffsetY = 0;
    double ScaleX = 1;
    double ScaleY = 1;
    // The back page's own offset (inches) on a two-sided sheet.
    double BackOffsetX = 0;
    double BackOffsetY = 0;

    int PositionCount() const { return Across * Down; }
    // The card at row, column on the page: its top-left corner (the card origin) and its size. A Rotated card
    // is printed on a landscape page of the given height, the sheet turned a quarter to the left, so that
    // each card lands on the same place of the sheet as in Normal orientation.
    QRectF CardRect(int row, int column, bool rotated, double landscapePageHeight = 0) const;
};

// What the main window hands to one job.
struct LabelJob
{
    bool PrintMode = true;    // false: a preview run
    bool OutlineTest = false; // card outlines only
    SheetPositions Positions;
    CardSheetLayout Layout;
    PrintNudges Nudges;
    QString BackgroundFile; // the card's background art; empty for none
    bool CropMarks = false;  // marks of where to cut, in the margins and the gaps between the cards
    // The print dialog's page range, counted from 1; 0 for none.
    int FirstPage = 0;
    int LastPage = 0;
    // A merge: each printed position takes the next record (false when there are no more), the job ends
    // with the records, and the copies do not count. The first sheet starts at StartPosition (counted from
    // 1, across then down), for a sheet fed again.
    std::function<bool(MergeRecord&)> NextRecord;
    int StartPosition = 1;
    // Two-sided: each sheet of fronts is followed by its page of backs, every back placed behind its own
    // front (a manual job prints all fronts, then the backs, last sheet first). Back is the card's back side,
    // laid out like the front; without one only fronts print.
    DuplexMode Duplex = DuplexMode::None;
    const CardModel* Back = nullptr;
    QString BackBackgroundFile;
    // Which pages of a two-sided job this run makes: both, or only the fronts or only the backs (a manual job
    // on a printer is two runs, the stack turned over between them).
    enum Half
    {
        BothHalves,
        FrontHalf,
        BackHalf
    };
    Half Pages = BothHalves;
    bool TwoSided() const { return Duplex != DuplexMode::None && Back; }
};

enum TJobOutcome
{
    joFinished,
    joCanceled, // the engine aborted the job
    joStopped,  // the user stopped a preview
    joFailed    // the document could not be started or written
};

class TLabelPrinter
{
    Q_DECLARE_TR_FUNCTIONS(qm::TLabelPrinter)

public:
    // Kinds of background art.
    enum TBackgroundKind
    {
        bkNone,
        bkMetafile,
        bkBitmap
    };

    // The card is drawn as it stands: its boxes must have been laid out (the panel form does that).
    TLabelPrinter(const CardModel& card, const LabelJob& job);
    // Prints what the panel shows, laid out first; the panel and its zoom are left as they are.
    TLabelPrinter(TKBasePanel& panel, const LabelJob& job);
    ~TLabelPrinter();

    // The whole job on report: the copies are taken from the report's setting (which becomes 1), the
    // background is loaded and the engine runs BeforePrintLabels and PrintLabels. A zoomed card prints from a
    // copy at 100 %.
    TJobOutcome Run(TKReport& report);

    // The engine's callbacks.
    void BeforePrintLabels(TKReport& report);
    void PrintLabels(TKReport& report);

    // The Cancel (or Stop) button: the job ends after the current card and the engine throws the document
    // away.
    void RequestCancel(TKReport& report);
    bool CancelRequested() const { return mCancelRequested; }

    // Loads the background files of the sides (turned a quarter for a Rotated card, and a half more for a back
    // that prints turned); any failure leaves that side without background.
    void LoadBackGround();
    TBackgroundKind BackgroundKind() const { return mSides[0].Kind; }
    // The background of the side being printed over the card's own size, its top-left at the card origin.
    void PrintBackGround(TKReport& report, const QRectF& card);

    const LabelJob& Job() const { return mJob; }
    const SheetGeometry& Geometry() const { return mGeometry; }
    int Copies() const { return mCopies; }
    bool Rotated() const;

    // The status window's texts.
    static QString StatusFormat(bool printMode, int pages = 1);
    //: The card being printed, shown under the print status; %1 is its position on the sheet
    static QString CardCaption(int index) { return tr("Card %1").arg(index + 1); }
    // What the status window says once the job ended; empty when it simply closes.
    QString FinalStatus(TJobOutcome outcome, const TKReport& report) const;

    // Pages the job makes: a sheet of fronts, and of backs when two-sided.
    int PagesPerSheet() const { return mJob.TwoSided() && mJob.Pages == LabelJob::BothHalves ? 2 : 1; }

    // "Card 3": the card being printed.
    std::function<void(const QString&)> CardChanged;
    // Lets pending events run (the Cancel button) after every card.
    std::function<void()> ProcessEvents;

private:
    // How far outside the card (in card units) its drawing may reach on paper.
    static constexpr int kCardBleed = 24;

    // A merge's card in layers, back to front: runs of objects that draw the same for every record (made
    // once into a drawing of the target, the background art with the first) and runs that show the record's
    // fields (drawn for each card).
    struct MergeLayer
    {
        bool PerCard = false;
        int From = 0, To = 0; // the objects, by their place in the card
        bool Background = false;
        int Drawing = -1;
    };
    // One side of the card as the job prints it: its model, its background art and the drawings made of it.
    struct Side
    {
        const CardModel* Card = nullptr;
        QString BackgroundFile;
        bool Turned = false; // drawn a half turn round on its page
        TBackgroundKind Kind = bkNone;
        QImage Background;
        TPicture Art; // vector background art (bkMetafile), drawn as paths
        int Drawing = -1;
        std::vector<MergeLayer> Layers;
    };
    // A card of one sheet: its position and, in a merge, its record.
    struct Slot
    {
        int Index = 0;
        MergeRecord Record;
    };

    void Pump();
    // Makes the side's drawings for the job (where the target keeps drawings). False when the job ended.
    bool PrepareSide(TKReport& report, int side, bool haveRecord);
    // One page of a sheet: the fronts (side 0) or the backs (side 1) of its cards.
    void PrintSheetSide(TKReport& report, const std::vector<Slot>& cards, int side);
    // The card's (or its back's) place on the page.
    QRectF SlotRect(int index, int side, double pageHeight) const;
    void LoadSideBackground(Side& side);
    // The crop marks of the page, when the job asks for them: drawn, or placed where the target keeps them.
    void PrintCropMarks(TKReport& report);
    void DrawCropMarks(TKReport& report);
    // The card's own size in inches, as its objects are drawn.
    QSizeF DrawnCardInches() const;
    // What one position prints: the card (or its outline) over the given place, in inches.
    void PrintPosition(TKReport& report, const QRectF& card);
    // The card's objects with its top-left corner at origin, in inches from the paper's corner.
    void PrintCard(TKReport& report, QPointF origin);

    // Which of the side's objects show a field of the record.
    std::vector<bool> ObjectsShowingFields() const;
    // The side's layers with their drawings made; empty when the target keeps no drawings.
    std::vector<MergeLayer> MakeMergeLayers(TKReport& report, const QSizeF& reach, const QRectF& card);
    const CardModel& Card() const { return *mSides[mSide].Card; }

    const CardModel& mCard;
    LabelJob mJob;
    SheetGeometry mGeometry;
    QSizeF mPaper; // the upright paper of the job, inches
    int mCopies = 1;
    bool mCancelRequested = false;
    Side mSides[2];
    int mSide = 0; // the side being printed
    const MergeRecord* mRecord = nullptr; // the record of the card being drawn in a merge
    std::function<bool(int)> mObjectFilter; // the objects PrintCard draws; all when unset
    static constexpr int kNoCropMarksDrawing = -2;
    int mCropMarksDrawing = kNoCropMarksDrawing; // the target's drawing of the marks, -1 for none
};

} // namespace qm
