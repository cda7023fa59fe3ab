// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

// The page around the game: it fits the game's window to the screen, shows
// how far the download has come, starts the game, keeps it for play without
// the network, and says what went wrong if it cannot run.
"use strict";

const screenElement = document.getElementById("screen");
const loading = document.getElementById("loading");
const progress = document.getElementById("progress");
const percent = document.getElementById("percent");
const stalled = document.getElementById("stalled");
const status = document.getElementById("status");
const turnHint = document.getElementById("turn");
const viewport = document.querySelector("meta[name=viewport]");
const programUrl = loading.dataset.program;
const programBytes = Number(loading.dataset.bytes);
const name = document.title;

// The main window's outer size in the page, title bar and border included,
// and where it ends, until the window itself can be measured; and the room
// kept around it (the screen's inset, in the page's style).
let windowSize = { width: 806, height: 603, right: 0, bottom: 0 };
const margin = 4;

// A window larger than the screen is scaled down to fit it, through the
// width the page asks the browser to lay it out at (phones and tablets zoom
// out to show that width whole; the player may still zoom in). Where the
// window fits, it is shown 1:1, as on a desktop. The size seen at the
// browser's own scale does not change with the page's zoom, so fitting again
// after any resize (a turned phone, a resized window) gives the same width.
function fitToScreen() {
    const seen = window.visualViewport;
    const width = seen.width * seen.scale;
    const height = seen.height * seen.scale;
    // The window stays where it was placed when the screen changes: its own
    // ends count too.
    const needed = { width: Math.max(windowSize.width + 2 * margin, windowSize.right),
                     height: Math.max(windowSize.height + 2 * margin, windowSize.bottom) };
    const scale = Math.min(1, width / needed.width, height / needed.height);
    const content = scale < 1 ? `width=${Math.ceil(width / scale)}`
                              : "width=device-width, initial-scale=1";
    if (viewport.content !== content)
        viewport.content = content;
    document.documentElement.style.setProperty("--fit", scale);
    // Turned sideways, a phone shows the window much larger: it is worth asking.
    const sideways = Math.min(1, height / (windowSize.width + 2 * margin),
                              width / (windowSize.height + 2 * margin));
    turnHint.hidden = !(height > width && sideways > 1.25 * scale);
    // A desktop browser lays the page out at its own width whatever it is
    // asked; there, a window too small scrolls rather than cuts the game.
    document.body.classList.toggle("scrolls", innerWidth < needed.width || innerHeight < needed.height);
}

function measureWindow() {
    const shown = document.getElementById("qt-shadow-container")?.shadowRoot
        ?.querySelector(".qt-window")?.getBoundingClientRect();
    if (shown && shown.width > 0)
        windowSize = { width: Math.ceil(shown.width), height: Math.ceil(shown.height),
                       right: Math.ceil(shown.right), bottom: Math.ceil(shown.bottom) };
    fitToScreen();
}

// Qt's title bars draw their buttons as pictures without words: each is
// given its own, for screen readers and search engines; the window's small
// icon is drawn with sharp pixels rather than blurred.
const titleBarWords = ["", "Restaurer", "Agrandir", "Fermer"];
function describeTitleBars(qtScreen) {
    const style = document.createElement("style");
    // An inactive window's title reads as well as an active one's, in grey
    // rather than faded; its buttons fade.
    style.textContent = ".title-bar > .image-button:first-child img { image-rendering: pixelated; }"
        + " .qt-window.inactive .title-bar { opacity: 1; }"
        + " .qt-window.inactive .title-bar .window-name { color: #595959; }"
        + " .qt-window.inactive .title-bar .image-button { opacity: 0.35; }";
    qtScreen.append(style);
    const describe = () => qtScreen.querySelectorAll(".title-bar").forEach(bar =>
        bar.querySelectorAll(".image-button img:not([alt])").forEach((image, index) => {
            image.alt = titleBarWords[index] ?? "";
        }));
    describe();
    new MutationObserver(describe).observe(qtScreen, { childList: true, subtree: true });
}

// Qt's keyboard field takes the keys of controls that take text, which the
// program has none of: screen readers leave it out, and the page's focus
// follows the controls themselves.
function leaveOutKeyboardField() {
    for (const field of document.body.querySelectorAll(":scope > input")) {
        if (!("data-qinputcontext" in field))
            continue;
        field.setAttribute("aria-hidden", "true");
        field.tabIndex = -1;
    }
}

// The program takes no text: a paste is not refused, only left unused
// (Qt's keyboard field would otherwise cancel it).
document.addEventListener("paste", event => event.stopImmediatePropagation(), true);

function say(text) {
    screenElement.hidden = true;
    loading.hidden = true;
    status.textContent = text;
    status.hidden = false;
}

// The program, compiled while it downloads, its bytes counted for the
// progress bar (the size is that of the program itself, however the server
// compresses it). When no byte comes for a while, the page says what to do.
function downloadProgram() {
    let stallTimer;
    const waitForBytes = () => {
        clearTimeout(stallTimer);
        stallTimer = setTimeout(() => { stalled.hidden = false; }, 15000);
    };
    let lastSaid = -1;
    const show = received => {
        const done = Math.min(100, Math.floor(100 * received / programBytes));
        progress.value = done;
        // Screen readers hear every tenth, not every step.
        if (Math.floor(done / 10) !== lastSaid) {
            lastSaid = Math.floor(done / 10);
            percent.textContent = `${done} %`;
        }
    };
    waitForBytes();
    return fetch(programUrl).then(response => {
        if (!response.ok)
            throw new Error(`${programUrl} : ${response.status}`);
        let received = 0;
        const counted = response.body.pipeThrough(new TransformStream({
            transform(chunk, controller) {
                received += chunk.byteLength;
                show(received);
                stalled.hidden = true;
                waitForBytes();
                controller.enqueue(chunk);
            },
            flush() { clearTimeout(stallTimer); },
        }));
        return WebAssembly.compileStreaming(
            new Response(counted, { headers: { "Content-Type": "application/wasm" } }));
    });
}

// Started at once, while the loader's scripts still download.
const program = typeof WebAssembly === "object" ? downloadProgram() : null;

// Once the game runs, its files are kept for play without the network; the
// worker takes them from what the page downloaded. The server is then asked
// for a newer release, kept for the next visit (without the network, it
// waits for a visit with it).
function keepForOffline() {
    if (!("serviceWorker" in navigator))
        return;
    navigator.serviceWorker.register("service-worker.js")
        .then(registration => registration.update().catch(() => {}))
        .catch(error => console.warn(`${name} ne pourra pas être joué hors ligne : ${error}`));
}

async function start() {
    if (!program) {
        say(`Ce navigateur ne peut pas faire tourner ${name} : il lui faut `
            + "WebAssembly, que tout navigateur à jour sait faire tourner.");
        return;
    }
    try {
        await qtLoad({
            qt: {
                containerElements: [screenElement],
                entryFunction: window[loading.dataset.entry],
                module: program,
                onLoaded: () => {
                    screenElement.classList.remove("waiting");
                    loading.hidden = true;
                },
                onExit: exit => say(exit.crashed
                    ? `${name} s’est arrêté sur une erreur (${exit.text}). `
                      + "Rechargez la page pour rejouer."
                    : "Partie terminée : le jeu est fermé. Rechargez la page pour rejouer."),
            },
        });
        // The program has made its screen and windows.
        const qtScreen = document.getElementById("qt-shadow-container").shadowRoot;
        describeTitleBars(qtScreen);
        leaveOutKeyboardField();
        requestAnimationFrame(measureWindow);
        // Screen readers read the game from its start: Qt's switch for them,
        // a button in English that only they would find, is pressed for them.
        qtScreen.querySelector("button.hidden-visually-read-by-screen-reader")?.click();
        keepForOffline();
    } catch (error) {
        say(`Ce navigateur n’a pas pu lancer ${name} (${error}). `
            + "Rechargez la page, ou essayez un navigateur à jour.");
    }
}

fitToScreen();
window.addEventListener("resize", () => requestAnimationFrame(measureWindow));
// The loader and the program's own script come after this one, deferred as it is.
document.addEventListener("DOMContentLoaded", start);
