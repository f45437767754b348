#pragma once

#include <QString>

// The other camera's recording of the same moment, found by name: a file
// name with "F." (front) pairs with the one with "R." (rear), and "F_BC."
// with "R_BC.". Only the file name is looked at, never its folders.
class RecordingPartner
{
public:
    // The partner's path, whether or not it exists; empty when the name
    // carries no camera mark.
    static QString partnerPath(const QString &recordingPath);
    // The same with the "F."/"R." marks alone, as the recording list pairs rows.
    static QString frontRearPartnerPath(const QString &recordingPath);
    // Whether the mark that decides the partner is the rear camera's ("R."
    // or "R_BC.").
    static bool isRearRecording(const QString &recordingPath);
};
