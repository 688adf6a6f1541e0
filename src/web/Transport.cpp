#include "web/Transport.h"

#include "web/CurlTransport.h"

namespace {

Transport* installed = nullptr;

} // namespace

Transport& Transport::current() {
    static CurlTransport curl;
    return installed ? *installed : curl;
}

void Transport::install(Transport* transport) {
    installed = transport;
}
