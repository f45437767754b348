#include "core/video/TranscoderArguments.h"

QStringList TranscoderArguments::listing(const QString &input)
{
    return {QStringLiteral("-i"), input};
}

QStringList TranscoderArguments::singleStream(int aviType, const QString &input,
                                              const QString &output)
{
    const QStringList copy = {QStringLiteral("-vcodec"), QStringLiteral("copy"),
                              QStringLiteral("-acodec"), QStringLiteral("copy")};
    if (aviType == kAviTypeH264)
        return QStringList{QStringLiteral("-i"), input} + copy +
               QStringList{QStringLiteral("-y"), output};
    if (aviType == kAviTypeHvc1)
        return QStringList{QStringLiteral("-i"), input} + copy +
               QStringList{QStringLiteral("-y"), QStringLiteral("-vtag"), QStringLiteral("hvc1"),
                           output};
    return QStringList{QStringLiteral("-v"), QStringLiteral("10"), QStringLiteral("-i"), input} +
           copy +
           QStringList{QStringLiteral("-vtag"), QStringLiteral("avc1"), QStringLiteral("-y"),
                       output};
}

QStringList TranscoderArguments::twoStream(int aviType, Camera camera, bool withAudio,
                                           const QString &input, const QString &output)
{
    QStringList arguments = {QStringLiteral("-i"), input, QStringLiteral("-map"),
                             camera == Camera::Front ? QStringLiteral("0:0")
                                                     : QStringLiteral("0:1")};
    if (withAudio)
        arguments << QStringLiteral("-map") << QStringLiteral("0:2");
    arguments << QStringLiteral("-c") << QStringLiteral("copy") << QStringLiteral("-y")
              << QStringLiteral("-v") << QStringLiteral("10") << QStringLiteral("-vcodec")
              << QStringLiteral("copy") << QStringLiteral("-acodec") << QStringLiteral("copy");
    if (aviType == kAviTypeHvc1)
        arguments << QStringLiteral("-vtag") << QStringLiteral("hvc1");
    else if (aviType != kAviTypeH264)
        arguments << QStringLiteral("-vtag") << QStringLiteral("avc1");
    arguments << output;
    return arguments;
}

QStringList TranscoderArguments::subtitles(const QString &input, const QString &output)
{
    return {QStringLiteral("-i"),
            input,
            QStringLiteral("-vn"),
            QStringLiteral("-an"),
            QStringLiteral("-c:s"),
            QStringLiteral("text"),
            output};
}
