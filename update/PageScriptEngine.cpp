#include "update/PageScriptEngine.h"

#include <duktape.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// What the engine's allocator and its execution check share.
struct Budget {
    std::chrono::steady_clock::time_point deadline;
    std::size_t limit = 0;
    std::size_t used = 0;
    bool timedOut = false;
    // Off while the heap is made: the engine cannot fail safely halfway
    // through its own start (its built-ins take about 100 kB).
    bool enforced = false;
};

// Every block carries its size in front, so that frees and reallocations
// keep the count exact.
constexpr std::size_t kHeader = alignof(std::max_align_t);

// Past the deadline nothing more is allocated: native work of the engine (a
// collection of a nearly full heap after every step, a join of millions of
// elements) runs between its time checks, but none of it goes far without
// memory.
bool outOfTime(Budget &budget) {
    if (!budget.timedOut && std::chrono::steady_clock::now() >= budget.deadline)
        budget.timedOut = true;
    return budget.timedOut;
}

// Whether the limits refuse growing the heap by size bytes.
bool refuses(Budget &budget, std::size_t size) {
    return budget.enforced &&
           (size > budget.limit - std::min(budget.used, budget.limit) || outOfTime(budget));
}

void *allocate(void *udata, duk_size_t size) {
    auto *budget = static_cast<Budget *>(udata);
    if (size == 0 || refuses(*budget, size))
        return nullptr;
    auto *block = static_cast<unsigned char *>(std::malloc(size + kHeader));
    if (!block)
        return nullptr;
    std::memcpy(block, &size, sizeof size);
    budget->used += size;
    return block + kHeader;
}

std::size_t sizeOf(void *pointer) {
    std::size_t size = 0;
    std::memcpy(&size, static_cast<unsigned char *>(pointer) - kHeader, sizeof size);
    return size;
}

void release(void *udata, void *pointer) {
    if (!pointer)
        return;
    static_cast<Budget *>(udata)->used -= sizeOf(pointer);
    std::free(static_cast<unsigned char *>(pointer) - kHeader);
}

void *reallocate(void *udata, void *pointer, duk_size_t size) {
    if (!pointer)
        return allocate(udata, size);
    if (size == 0) {
        release(udata, pointer);
        return nullptr;
    }
    auto *budget = static_cast<Budget *>(udata);
    const std::size_t old = sizeOf(pointer);
    if (size > old && refuses(*budget, size - old))
        return nullptr;
    auto *block = static_cast<unsigned char *>(
        std::realloc(static_cast<unsigned char *>(pointer) - kHeader, size + kHeader));
    if (!block)
        return nullptr;
    std::memcpy(block, &size, sizeof size);
    budget->used = budget->used - old + size;
    return block + kHeader;
}

// Only reached for an error outside a protected call, which this file never
// makes; the engine requires that the handler does not return.
[[noreturn]] void fatal(void *, const char *) {
    std::abort();
}

struct HeapDeleter {
    void operator()(duk_context *context) const { duk_destroy_heap(context); }
};

void defineBrowserNames(duk_context *context) {
    duk_push_global_object(context);
    duk_push_global_object(context);
    duk_put_prop_string(context, -2, "window");
    duk_push_global_object(context);
    duk_put_prop_string(context, -2, "self");
    duk_push_object(context);
    duk_put_prop_string(context, -2, "document");
    duk_pop(context);
}

QString text(duk_context *context, duk_idx_t index) {
    if (duk_is_undefined(context, index) || duk_is_null(context, index))
        return {};
    duk_size_t length = 0;
    // Turning an object into text runs the page's code: protected, and
    // under the same time limit.
    const char *utf8 = duk_safe_to_lstring(context, index, &length);
    return QString::fromUtf8(utf8, static_cast<qsizetype>(length));
}

// Reads the global object's own enumerable properties: the page's variables.
void readGlobals(duk_context *context, QHash<QString, QString> &texts) {
    duk_push_global_object(context);
    duk_enum(context, -1, DUK_ENUM_OWN_PROPERTIES_ONLY);
    while (duk_next(context, -1, 1)) {
        const QString name = text(context, -2);
        texts.insert(name, text(context, -1));
        duk_pop_2(context);
    }
    duk_pop_2(context);
}

struct Page {
    const QStringList &scripts;
    Budget &budget;
    QHash<QString, QString> texts;
    bool complete = false;
};

// Everything the engine does for a page, inside one protected call: memory
// may run out at any allocation, also outside the page's own code (the
// source text pushed before a script's protected evaluation, the browser
// names), and an error raised where nothing catches it is fatal to the
// engine, whose report of it needs memory again and recurses until the
// stack overflows.
duk_ret_t runPage(duk_context *context, void *udata) {
    Page &page = *static_cast<Page *>(udata);
    defineBrowserNames(context);
    for (const QString &script : page.scripts) {
        const QByteArray utf8 = script.toUtf8();
        duk_peval_lstring(context, utf8.constData(), static_cast<duk_size_t>(utf8.size()));
        duk_pop(context);
        // One that was stopped for running too long leaves a page not worth
        // reading.
        if (outOfTime(page.budget))
            return 0;
    }
    readGlobals(context, page.texts);
    page.complete = !outOfTime(page.budget);
    return 0;
}

} // namespace

extern "C" int lumo_duktape_timed_out(void *udata) {
    return outOfTime(*static_cast<Budget *>(udata)) ? 1 : 0;
}

namespace lumo {

std::optional<QHash<QString, QString>> runPageScripts(const QStringList &scripts,
                                                      const ScriptLimits &limits) {
    Budget budget;
    budget.deadline = std::chrono::steady_clock::now() + limits.time;
    budget.limit = limits.memoryBytes;
    const std::unique_ptr<duk_context, HeapDeleter> heap(
        duk_create_heap(allocate, reallocate, release, &budget, fatal));
    if (!heap)
        return std::nullopt;
    budget.enforced = true;
    Page page{scripts, budget, {}};
    if (duk_safe_call(heap.get(), runPage, &page, 0, 1) != DUK_EXEC_SUCCESS || !page.complete)
        return std::nullopt;
    return page.texts;
}

} // namespace lumo
