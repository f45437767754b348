#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Lets the card's settings page load only from its own scheme (and inline
// data): no network, no files, nothing else.
class CardPageRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
