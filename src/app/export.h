// SPDX-License-Identifier: GPL-3.0-or-later
// Card export: the card as a BMP, JPG or PNG picture at 100 %, from the window or the command line.
#pragma once

#include <QString>

class QImage;

namespace qm {

class CardModel;
struct CompanionFile;

enum class PictureFormat
{
    Bmp,
    Jpg,
    Png
};

constexpr int kJpgQuality = 80;

// The format a file name's extension names: .bmp, .jpg / .jpeg / .jif, .png in any case. False for any other.
bool PictureFormatFromName(const QString& fileName, PictureFormat* format);
// "BMP", "JPG", "PNG".
QString PictureFormatName(PictureFormat format);

// The card as it looks at zoom 1.0 whatever zoom it is shown at: its width and height at 100 % times scale
// (1 to 8), with a one-pixel black frame on the outermost rows and columns when border is set. The card must
// be laid out.
QImage CardPicture(const CardModel& card, bool border, int scale = 1);

// Whether the QR codes of a card scan from its picture at a scale: every module must be a square of at
// least two whole pixels.
struct PictureQRCheck
{
    bool readable = true;
    double smallestModule = 0; // the pixels a module of the smallest code would take (fractional)
    int readableScale = 1;     // the smallest scale from which all scan; 0 when none up to 8 does
};
PictureQRCheck CheckPictureQRCodes(const CardModel& card, int scale);
// For the user: a QR code too small to scan at that scale, and how large a picture would scan.
QString QRCodeTooSmallText(const PictureQRCheck& check, int scale);

// Encodes the picture (JPG at quality 80) and writes it at once: an existing file is replaced only by a
// complete picture. False with a message naming the file on failure.
bool WritePicture(const QImage& image, const QString& path, PictureFormat format, QString* error = nullptr);

// CardPicture and WritePicture together.
bool ExportCard(const CardModel& card, const QString& path, PictureFormat format, bool border,
                QString* error = nullptr, int scale = 1);

// The command line: reads a card file with its companion file (layout, orientation, background art) and
// exports it at a scale; no window or design panel is involved. False with a one-line message on failure;
// usageError tells a picture named like one of the files read for the card (a wrong command line) from a bad
// card or an unwritable picture. A picture written whose QR code will not scan gets a warning in *warning.
// What every export from the command line starts with: reads the card file with its companion file into card
// and sets it up (layout, orientation, background art), refusing an output that is one of the files read
// (*usageError set then). False with a one-line message on failure.
// With a stock named ("Avery 5371"), the card takes that stock's card size instead of its layout's.
bool ReadCardToExport(const QString& cardPath, const QString& outPath, CardModel& card, CompanionFile& companion,
                      QString* error, bool* usageError, const QString& stock = QString());

bool ExportCardFile(const QString& cardPath, const QString& outPath, PictureFormat format, bool border,
                    QString* error = nullptr, bool* usageError = nullptr, int scale = 1,
                    QString* warning = nullptr, const QString& stock = QString());

} // namespace qm
