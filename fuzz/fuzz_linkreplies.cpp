// Whatever the other end of the line sends while a read runs: the link stores only at the
// addresses the read asks for, and the read ends once the line falls silent, leaving nothing
// awaited.
//
// Input: a first byte choosing the read (read types 2..10; the top bit turns site mode on), then
// steps of a control byte (low two bits: how many of the following bytes arrive now; the next
// three bits: how many ticks pass after them) and those bytes.

#include "fuzzcheck.h"
#include "linkrig.h"

#include "link/readsequences.h"

#include <QCoreApplication>
#include <cstdint>

namespace {

constexpr int FirstReadType = 2;
constexpr int ReadTypeChoices = 9;
// Far more ticks than four timeouts at every address of the longest read.
constexpr int SilentTickLimit = 1'000'000;

bool isReadAddress(int readType, int address) {
    for (const int listed : readList(readType))
        if (listed == address)
            return true;
    return false;
}

void feed(LinkRig& rig, const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t control = data[at++];
        const std::size_t count = std::min<std::size_t>(control & 3u, size - at);
        rig.direct.queueInput(
            QByteArray(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(count)));
        at += count;
        rig.clock.advance(1 + ((control >> 2) & 7));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_linkreplies";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size == 0)
        return 0;

    LinkRig rig;
    qsizetype sentAtEnd = -1;
    QObject::connect(&rig.link, &ControllerLink::readEnded, &rig.link,
                     [&] { sentAtEnd = rig.direct.sent.size(); });
    const int readType = FirstReadType + data[0] % ReadTypeChoices;
    rig.link.state.SiteMode = (data[0] & 0x80) != 0;
    require(rig.link.startRead(readType, Requester::Window) == ReadStart::Started,
            "a read starts on an idle link");

    feed(rig, data + 1, size - 1);
    for (int tick = 0; tick < SilentTickLimit && rig.done.isEmpty(); ++tick)
        rig.clock.advance(1);

    require(rig.done.size() == 1, "the read ends once, on a silent line at the latest");
    require(!rig.clock.advanceToNextTimer(), "no reply is awaited after the read");
    require(!rig.link.isBusy(), "an ended read leaves the link free at once");
    require(rig.direct.sent.size() == sentAtEnd, "no frame goes out after the read has ended");
    for (int address = 0; address < MemoryImage::Size; ++address)
        require(rig.link.image.at(address) == 0 || isReadAddress(readType, address),
                "only addresses of the read are stored");
    return 0;
}
