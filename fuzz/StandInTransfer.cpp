#include "StandInTransfer.h"

#include "web/Transport.h"

namespace {

class PageTransport : public Transport {
public:
    bool available() const override { return true; }
    TransferResult fetch(const TransferRequest&, const TransferLog&) override {
        ++downloads;
        TransferResult result;
        result.body = page;
        result.status = page.isEmpty() ? 0 : 200;
        result.opened = !page.isEmpty();
        result.clean = true;
        // No Content-Type: the page's own <meta> charset, byte-order mark or UTF-8 decide.
        return result;
    }

    QByteArray page;
    int downloads = 0;
};

PageTransport& transport() {
    static PageTransport installed;
    static const bool done = [] {
        Transport::install(&installed);
        return true;
    }();
    static_cast<void>(done);
    return installed;
}

} // namespace

void StandInTransfer::setPage(const QByteArray& body) {
    transport().page = body;
    transport().downloads = 0;
}

int StandInTransfer::downloads() {
    return transport().downloads;
}
