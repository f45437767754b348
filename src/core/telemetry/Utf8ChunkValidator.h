#pragma once

#include <QByteArray>

// Validates UTF-8 that arrives in pieces: a sequence cut by the end of one
// piece is completed by the next.
class Utf8ChunkValidator
{
public:
    // Appends the piece to what was held back and returns the longest prefix
    // made of whole, valid sequences; the rest waits for the next piece.
    QByteArray feed(const QByteArray &piece);
    // True once anything was invalid; a sequence left unfinished at finish()
    // counts too.
    bool finish();
    bool hasError() const { return m_error; }

private:
    QByteArray m_pending;
    bool m_error = false;
};
