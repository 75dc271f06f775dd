// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in the browser: the window that the page holds, taken over,
// the page's events handed to it, what the pupil did before it ran carried
// out, and the service worker that keeps the page for working offline. The
// page lives on after main returns.

#include "form1.h"
#include "regional_settings.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <string>

using emscripten::val;

namespace {

std::unique_ptr<Form1> form;

void click(int row, val) { form->clicked(row); }
void keyDown(int row, val event) { form->keyDown(row, event); }
void keyPress(int row, val event) { form->keyPress(row, event); }
void beforeInput(int row, val event) { form->beforeInput(row, event); }
void compositionStart(int row, val) { form->compositionStart(row); }
void compositionEnd(int row, val) { form->compositionEnd(row); }
void input(int row, val) { form->typed(row); }
void fontsLoaded(val) { form->fitAll(); }
void schemeChanged(val) { form->applyColours(); }
void resized(val) { form->resized(); }

// The program takes the window over once the page holds all of it and has
// drawn it: the first paint does not wait for the program, which is
// compiled meanwhile. A window drawn before the program came is taken over
// at once; otherwise just after the next frame.
void start(val);
void drawn(val) { val::global("setTimeout")(val::module_property("cijferwerfStart"), 0, val::null()); }
void whole(val) {
    const val painted = val::global("performance").call<val>(
        "getEntriesByName", std::string("first-contentful-paint"));
    if (painted["length"].as<int>() > 0)
        start(val::undefined());
    else
        val::global("requestAnimationFrame")(val::module_property("cijferwerfDrawn"));
}

} // namespace

EMSCRIPTEN_BINDINGS(cijferwerf) {
    emscripten::function("cijferwerfClick", &click);
    emscripten::function("cijferwerfKeyDown", &keyDown);
    emscripten::function("cijferwerfKeyPress", &keyPress);
    emscripten::function("cijferwerfBeforeInput", &beforeInput);
    emscripten::function("cijferwerfCompositionStart", &compositionStart);
    emscripten::function("cijferwerfCompositionEnd", &compositionEnd);
    emscripten::function("cijferwerfInput", &input);
    emscripten::function("cijferwerfFontsLoaded", &fontsLoaded);
    emscripten::function("cijferwerfSchemeChanged", &schemeChanged);
    emscripten::function("cijferwerfResized", &resized);
    emscripten::function("cijferwerfWhole", &whole);
    emscripten::function("cijferwerfDrawn", &drawn);
    emscripten::function("cijferwerfStart", &start);
}

namespace {

void start(val) {
    static const SystemRegionalSettings settings;
    const val document = val::global("document");
    form = std::make_unique<Form1>(settings,
                                   document.call<val>("getElementById", std::string("Form1")));

    // What the pupil did before the program ran comes first, as soon as the
    // controls answer; the texts are fitted and the colours resolved after
    // it, and the window looks the same as when they come first.
    form->carryOutEarlyEvents();
    form->applyColours();
    form->fitAll();

    // Texts are measured again once the shipped font has come, and colours
    // resolved again when the user's colour scheme changes.
    val loads = val::array();
    for (const char* weight : {"", "bold "})
        loads.call<void>("push", document["fonts"].call<val>(
                                     "load", std::string(weight) + "12pt \"Cijferwerf Sans\""));
    val::global("Promise")
        .call<val>("all", loads)
        .call<val>("then", val::module_property("cijferwerfFontsLoaded"));
    val::global("matchMedia")(std::string("(prefers-color-scheme: dark)"))
        .call<void>("addEventListener", std::string("change"),
                    val::module_property("cijferwerfSchemeChanged"));
    // A turned tablet, or a resized browser, fits the window anew.
    val::global("addEventListener")(std::string("resize"),
                                    val::module_property("cijferwerfResized"));

    const val navigator = val::global("navigator");
    if (!navigator["serviceWorker"].isUndefined())
        navigator["serviceWorker"].call<val>("register", std::string("sw.js"));
    document["documentElement"].call<void>("setAttribute", std::string("data-ready"),
                                           std::string(""));
}

} // namespace

int main() {
    const val document = val::global("document");
    if (document["readyState"].as<std::string>() == "loading")
        document.call<void>("addEventListener", std::string("DOMContentLoaded"),
                            val::module_property("cijferwerfWhole"));
    else
        whole(val::undefined());
    return 0;
}
