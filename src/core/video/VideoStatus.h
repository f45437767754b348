#pragma once

// What a video view reports about the file it plays.
enum class VideoStatus : int
{
    NoFile = 0,
    Loading = 1,
    ReadyToPlay = 2,
    Unknown = 6, // the player's status is not known yet
    Failed = 7,  // failed, or the file has no video
};

// The view has a file that may play: neither no file nor failed.
constexpr bool hasMovie(VideoStatus status)
{
    return status != VideoStatus::NoFile && status != VideoStatus::Failed;
}
