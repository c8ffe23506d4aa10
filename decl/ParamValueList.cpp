// Lists of kept parameters: each list owns its items and their values.
#include "quillet/ParamValue.h"

namespace quillet {

ParamValueList::ParamValueList(const ParamValueList &other) : head(nullptr) {
    other.copyTo(*this);
}

ParamValueList &ParamValueList::operator=(const ParamValueList &other) {
    if (&other != this) other.copyTo(*this);
    return *this;
}

ParamValueList::~ParamValueList() {
    clear();
}

ParamValue *ParamValueList::findItem(RtToken token) const {
    for (ParamValue *item = head; item; item = item->next)
        if (item->token == token) return item;
    return nullptr;
}

void *ParamValueList::valueOf(RtToken token) const {
    ParamValue *item = findItem(token);
    return item ? item->values : nullptr;
}

void *ParamValueList::remove(RtToken token) {
    for (ParamValue **link = &head; *link; link = &(*link)->next) {
        ParamValue *item = *link;
        if (item->token != token) continue;
        *link = item->next;
        void *values = item->detachValues();
        delete item;
        return values;
    }
    return nullptr;
}

void ParamValueList::append(ParamValue *item) {
    item->next = nullptr;
    ParamValue **link = &head;
    while (*link) link = &(*link)->next;
    *link = item;
}

void ParamValueList::clear() {
    while (ParamValue *item = head) {
        head = item->next;
        delete item;
    }
}

void ParamValueList::copyTo(ParamValueList &destination) const {
    if (&destination == this) return;
    destination.clear();
    ParamValue **tail = &destination.head;
    for (const ParamValue *item = head; item; item = item->next) {
        *tail = item->clone();
        tail = &(*tail)->next;
    }
}

void ParamValueList::moveTo(ParamValueList &destination) {
    if (&destination == this) return;
    destination.clear();
    destination.head = head;
    head = nullptr;
}

void ParamValueList::dump(FILE *stream) const {
    std::fprintf(stream, "Param/value list:\n");
    for (const ParamValue *item = head; item; item = item->next)
        std::fprintf(stream, "  Item: %s, size = %d\n", item->token ? item->token : "", item->byteSize);
    std::fputc('\n', stream);
}

}  // namespace quillet
