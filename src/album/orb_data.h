#pragma once

#include <QImage>
#include <QString>

#include <memory>

// The song record: one per row of the album list. Empty texts mean "none".
struct TOrbData
{
    QString SongName;
    QString Singer;
    QString Duration;
    QString SizeText;
    QString SourceFile;   // full path of the song file; never empty in a row
    QString PictureFile;  // full path of the attached picture, or empty
    QString Album;
    std::unique_ptr<QImage> Thumbnail; // owned; released with the record
    QString LyricsText;   // lines separated by CR LF, or empty

    // Slots that the record declares and no operation reads.
    QString Reserved1;
    QString Reserved2;
    QString Reserved3;
    qint32 ReservedNumber1 = 0;
    qint32 ReservedNumber2 = 0;
    qint32 ReservedNumber3 = 0;
};
