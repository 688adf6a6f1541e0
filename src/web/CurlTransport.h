#pragma once

#include "web/Transport.h"

// The program's transfer, through libcurl: HTTP and HTTPS, certificates verified, redirects
// followed (up to 10; from https only to https), no compressed bodies asked for, a body of at most
// clsWinInet's cap, and every transfer ended early for the connection window's stop request, the
// receive timeout or the overall time limit. The request asks for Japanese pages and no cached
// answers.
class CurlTransport : public Transport {
public:
    bool available() const override;
    TransferResult fetch(const TransferRequest& request, const TransferLog& log) override;

    // The schemes a redirect may lead to from url: a transfer that began secure stays secure.
    static const char* redirectProtocols(const QString& url);
};
