// The port description text ("COM7: bauds=9600 parity=N data=8 stop=1") and the port cells.
#include "fuzz_support.h"
#include "serial/port_description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzz::Text(data, size);
    sondalog::ParsePortDescription(text);
    sondalog::PortName(text);
    sondalog::ComPortNumber(text);
    sondalog::DeviceName(text);
    const qsizetype half = text.size() / 2;
    sondalog::DescriptionFor(text.left(half), text.mid(half));
    return 0;
}
