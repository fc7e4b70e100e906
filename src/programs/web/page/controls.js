// The player's controls, over the picture and never in it: Play and Pause, the scenes, mute,
// full screen, a link to the moment, and the timeline with the five scenes as chapters;
// the keys; a click or a tap on the picture. Each asks the program (page_controls.cpp),
// which does what the viewer's own keys do, so a control lands where the native key lands.
// The program tells the page where the show stands after every frame and every control
// (Module.onShowState), and the controls follow it.
//
// Here too the page keeps the show going through what browsers do to it: the sound
// suspended by the system pauses the show with it and resumes it in step; a lost GPU
// context is said while the GL layer remakes it, and the picture is drawn again once it is
// back; a changed address jumps there; a change of pixel density alone redraws at the new
// density.
'use strict';

const player = {
    ms: 0,
    paused: false,
    scrubbing: false,
    playAfterScrub: false,
    sceneStarts: [0, 16600, 33300, 50200, 64200, 80000], // the program's, once it runs
    listeners: [], // called with the player after every change the program reports
};
Module.player = player;

const body = document.body;
const time = document.getElementById('time');
const controls = document.getElementById('controls');
const buttons = Object.fromEntries(['play', 'previous', 'next', 'mute', 'share', 'fullscreen']
    .map((id) => [id, document.getElementById(id)]));
const clockText = document.getElementById('clock');
const sceneName = document.getElementById('scene-name');
const keysList = document.getElementById('keys');
const lastMs = 79999;

// The show's commands, taken only while it runs (and not while it is benchmarked).
const running = () => pageState() === 'playing' && !address.bench;
function wakeSound() {
    const context = Module.music.context;
    if (context && context.state !== 'running') context.resume().catch(() => {});
}
const command = {
    playOrPause() {
        if (!running()) return;
        if (player.paused) wakeSound();
        pausedWithSound = false;
        Module.ccall('pagePlayOrPause', null, [], []);
    },
    jump(name) {
        if (running()) Module.ccall('pageJump', null, ['string'], [name]);
    },
    // paused: 1 held, 0 playing on, -1 as the show is.
    goTo(ms, paused = -1) {
        if (running()) Module.ccall('pageGoTo', null, ['number', 'number'], [ms, paused]);
    },
    end() {
        if (running()) Module.ccall('pageEnd', null, [], []);
    },
};
player.command = command;

function minutes(ms) {
    const seconds = Math.floor(ms / 1000);
    return `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')}`;
}

function sceneAt(ms) {
    let scene = 1;
    while (scene < 5 && ms >= player.sceneStarts[scene]) ++scene;
    return scene;
}

function showTimeline(ms) {
    const shown = Math.min(Math.max(Math.round(ms), 0), 80000);
    time.value = shown;
    time.style.setProperty('--played', `${(100 * shown) / 80000}%`);
    const text = `${minutes(shown)} / ${minutes(80000)}`;
    if (clockText.textContent !== text) {
        clockText.textContent = text;
        sceneName.textContent = `Scene ${sceneAt(shown)}`;
        time.setAttribute('aria-valuetext', `${minutes(shown)} of ${minutes(80000)}, scene ${sceneAt(shown)}`);
    }
}

function labelButton(button, text) {
    button.setAttribute('aria-label', text);
    button.title = text;
}

Module.onShowState = (ms, paused) => {
    player.ms = ms;
    const changed = paused !== player.paused;
    // While the timeline is dragged the show is held, but the person's show plays on.
    if (!player.scrubbing) {
        player.paused = paused;
        showTimeline(ms);
    }
    if (changed && !player.scrubbing) {
        body.toggleAttribute('data-paused', paused);
        labelButton(buttons.play, paused ? 'Play' : 'Pause');
        // Shown, they stay while paused and fade from now on once it plays again.
        if (body.dataset.controls === 'shown') showControls();
    }
    for (const listener of player.listeners) listener(player, changed);
};

// The chapters on the timeline, and the start of each scene for the digit keys, as the
// program's scene table has them.
Module.onProgramStarted = () => {
    player.sceneStarts = [1, 2, 3, 4, 5, 6].map((scene) =>
        Module.ccall('pageSceneStartMs', 'number', ['number'], [scene]));
    const chapters = document.getElementById('chapters');
    for (const [index, start] of player.sceneStarts.slice(0, 5).entries()) {
        const mark = document.createElement('span');
        mark.style.left = `${(100 * start) / 80000}%`;
        mark.title = `Scene ${index + 1}, ${minutes(start)}`;
        chapters.append(mark);
    }
    // They come with the first mouse move, tap or key: until then the page is the picture
    // alone, as a paused moment's link shows it.
    controls.hidden = address.bench;
    firstGesturePlays = address.paused;
    watchDensity();
};

// Shown on a mouse move, a tap or a key (not before); kept while paused, while the pointer is on them
// or the timeline is dragged; gone after 3 s of nothing while the show plays.
let hideTimer = 0;
let overControls = false;
function showControls() {
    body.dataset.controls = 'shown';
    clearTimeout(hideTimer);
    hideTimer = setTimeout(hideControls, 3000);
}
function hideControls() {
    if (player.paused || player.scrubbing || overControls || !keysList.hidden) return;
    // Someone moving through them with the keyboard keeps them.
    if (controls.querySelector(':focus-visible')) return;
    body.dataset.controls = 'hidden';
    if (controls.contains(document.activeElement)) document.activeElement.blur();
}
controls.addEventListener('pointerenter', (event) => { overControls = event.pointerType === 'mouse'; });
controls.addEventListener('pointerleave', () => {
    overControls = false;
    showControls();
});
controls.addEventListener('focusin', showControls);
// Only a move of the mouse itself: browsers also send one, standing still, when the page's
// layout changes under it.
window.addEventListener('pointermove', (event) => {
    if (event.pointerType === 'mouse' && (event.movementX !== 0 || event.movementY !== 0)) showControls();
});

// The buttons.
buttons.play.addEventListener('click', () => command.playOrPause());
buttons.previous.addEventListener('click', () => command.jump('sceneStart'));
buttons.next.addEventListener('click', () => command.jump('nextScene'));
buttons.mute.addEventListener('click', () => toggleMute());
buttons.share.addEventListener('click', () => shareMoment());
buttons.fullscreen.addEventListener('click', () => toggleFullScreen());

function toggleMute() {
    Module.music.setMuted(!Module.music.muted);
    body.toggleAttribute('data-muted', Module.music.muted);
    labelButton(buttons.mute, Module.music.muted ? 'Unmute' : 'Mute');
}

// The link to the frame shown: its moment to the millisecond (a pause holds the frame drawn
// last), held still where it is.
function momentLink() {
    const url = new URL(location.href);
    const shown = Number(canvas.dataset.showMs || 0);
    url.hash = `t=${Math.floor(shown)}${player.paused ? '&paused' : ''}${address.hd ? '&hd' : ''}`;
    return url.href;
}
player.momentLink = momentLink;

// The system's share sheet where the browser has one, the clipboard otherwise; where
// neither will take it, the link is shown to copy by hand.
async function shareMoment() {
    const link = momentLink();
    if (navigator.share) {
        try {
            await navigator.share({title: document.title, url: link});
            return;
        } catch (error) {
            if (error.name === 'AbortError') return;
        }
    }
    try {
        await navigator.clipboard.writeText(link);
        tell(`Link to this moment copied: ${link}`);
    } catch (error) {
        tell(`The link to this moment: ${link}`, 15);
    }
}

const fullScreenElement = () => document.fullscreenElement || document.webkitFullscreenElement;
function toggleFullScreen() {
    if (fullScreenElement()) {
        (document.exitFullscreen || document.webkitExitFullscreen).call(document);
        return;
    }
    const root = document.documentElement;
    const request = root.requestFullscreen || root.webkitRequestFullscreen;
    if (!request) return;
    // The 4:3 picture fills a phone turned sideways: where the browser lets a full-screen
    // page turn it, it does.
    Promise.resolve(request.call(root, {navigationUI: 'hide'}))
        .then(() => screen.orientation && screen.orientation.lock('landscape'))
        .catch(() => {});
}
document.addEventListener('fullscreenchange', () => {
    labelButton(buttons.fullscreen, fullScreenElement() ? 'Exit full screen' : 'Full screen');
    body.toggleAttribute('data-full-screen', !!fullScreenElement());
});
if (!document.fullscreenEnabled && !document.webkitFullscreenEnabled) buttons.fullscreen.hidden = true;

// The timeline: a tap, a click or a drag lands on that moment as the jumps do. While it is
// dragged the show is held at each moment it passes, drawn there, and the music waits; let
// go, it plays on from there if it was playing.
time.addEventListener('input', () => {
    if (!player.scrubbing) {
        player.scrubbing = true;
        player.playAfterScrub = !player.paused;
    }
    const ms = Math.min(Number(time.value), lastMs);
    showTimeline(ms);
    command.goTo(ms, 1);
});
time.addEventListener('change', () => {
    const ms = Math.min(Number(time.value), lastMs);
    command.goTo(ms, player.playAfterScrub ? 0 : 1);
    player.scrubbing = false;
});

// The picture: on a desktop a click plays or pauses and a double click toggles full screen
// (its two clicks cancel out); on touch a tap shows or hides the controls and a double tap
// on the left or right third jumps 5 s back or on. A moment opened paused plays, with its
// sound, on the first click or tap.
let pointerKind = 'mouse';
let firstGesturePlays = false; // set where the address holds a moment paused
let lastTap = {at: 0, third: -1};
window.addEventListener('pointerdown', (event) => {
    pointerKind = event.pointerType;
    if (event.target !== canvas) firstGesturePlays = false;
}, true);
canvas.addEventListener('click', (event) => {
    if (!running()) return;
    if (!keysList.hidden) {
        keysList.hidden = true;
        return;
    }
    if (firstGesturePlays && player.paused) {
        firstGesturePlays = false;
        command.playOrPause();
        showControls();
        return;
    }
    firstGesturePlays = false;
    if (pointerKind !== 'touch') {
        command.playOrPause();
        return;
    }
    const third = Math.min(2, Math.floor((3 * event.clientX) / window.innerWidth));
    const double = event.timeStamp - lastTap.at < 400 && third === lastTap.third && third !== 1;
    lastTap = {at: double ? 0 : event.timeStamp, third};
    if (double) {
        command.jump(third === 0 ? 'back5s' : 'forward5s');
        showControls();
    } else if (body.dataset.controls === 'shown' && !player.paused) {
        clearTimeout(hideTimer);
        body.dataset.controls = 'hidden';
    } else {
        showControls();
    }
});
canvas.addEventListener('dblclick', () => {
    if (running() && pointerKind === 'mouse') toggleFullScreen();
});

// The keys, while the show runs, never with Ctrl, Alt or Meta (those are the browser's), and
// Space and Enter on a focused button press the button. Every other key reaches the browser.
const keyActions = {
    ' ': () => command.playOrPause(),
    k: () => command.playOrPause(),
    ArrowLeft: () => command.jump('back5s'),
    j: () => command.jump('back5s'),
    ArrowRight: () => command.jump('forward5s'),
    l: () => command.jump('forward5s'),
    PageUp: () => command.jump('sceneStart'),
    PageDown: () => command.jump('nextScene'),
    Home: () => command.jump('toStart'),
    0: () => command.goTo(0),
    m: () => toggleMute(),
    f: () => toggleFullScreen(),
    '?': () => { keysList.hidden = !keysList.hidden; },
    Escape: () => {
        if (keysList.hidden) command.end();
        keysList.hidden = true;
    },
};
for (const scene of [1, 2, 3, 4, 5]) keyActions[scene] = () => command.goTo(player.sceneStarts[scene - 1]);
window.addEventListener('keydown', (event) => {
    if (!running() || event.ctrlKey || event.altKey || event.metaKey) return;
    showControls();
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    const action = Object.hasOwn(keyActions, key) ? keyActions[key] : null;
    const onButton = document.activeElement && document.activeElement.tagName === 'BUTTON';
    if (!action || (onButton && (key === ' ' || key === 'Enter'))) return;
    event.preventDefault();
    if (event.repeat && (key === ' ' || key === 'k' || key === 'm' || key === 'f' || key === '?')) return;
    firstGesturePlays = false;
    action();
}, true);

// Sound suspended by the system (a call, another app taking the audio) stops the audio
// clock: the show pauses with it, and plays on from the same moment, music and picture
// together, once the sound is back.
let pausedWithSound = false;
let soundRan = false;
function watchSound(context) {
    context.addEventListener('statechange', () => {
        if (context.state === 'running') {
            soundRan = true;
            if (pausedWithSound && running() && player.paused) command.playOrPause();
            pausedWithSound = false;
            untell(suspendedText);
        } else if (soundRan && running() && !player.paused) {
            command.playOrPause();
            pausedWithSound = true;
            tell(suspendedText, 0);
        }
    });
    if (context.state === 'running') soundRan = true;
}
const suspendedText = 'The system has taken the sound away: the show waits for it.';
const setContext = Module.music.setContext;
Module.music.setContext = function (context) {
    setContext.call(this, context);
    watchSound(context);
};

// A lost GPU context: the GL layer remakes its objects and says when it has (its events on
// the canvas); meanwhile the page says so, and then draws the show again at its moment,
// which is the music's.
const lostText = 'The graphics were lost: the picture comes back in a moment…';
canvas.addEventListener('quorrin-gl-lost', () => {
    body.toggleAttribute('data-gl-lost', true);
    tell(lostText, 0);
});
canvas.addEventListener('quorrin-gl-restored', () => {
    body.toggleAttribute('data-gl-lost', false);
    untell(lostText);
    if (running()) Module.ccall('pageRedraw', null, [], []);
});

// A changed address jumps there, paused if it says so; what only a fresh start can change
// (the benchmark, the stepped clock, the cap on pixels) loads the page again.
window.addEventListener('hashchange', () => {
    if (!running()) {
        location.reload();
        return;
    }
    const wanted = readAddress(location.hash);
    if (wanted.bench !== address.bench || wanted.hd !== address.hd || wanted.stepMs !== address.stepMs) {
        location.reload();
        return;
    }
    if (wanted.unusable.length > 0) {
        tell(`Not understood in the address: ${wanted.unusable.map((part) => `“${part}”`).join(', ')}.`, 8);
        return;
    }
    command.goTo(wanted.ms, wanted.paused ? 1 : 0);
});

// The pixel density alone can change (the window moved to another monitor) with no resize
// to say so: the canvas takes its new device pixels. The browser says so through a media
// query on the density; while the show plays, each frame looks too, for a browser that
// does not.
let density = window.devicePixelRatio;
function fitDensity() {
    if (window.devicePixelRatio === density || !running()) return;
    density = window.devicePixelRatio;
    // Not inside the frame that noticed it: the program is still in its call.
    setTimeout(() => running() && Module.ccall('pageFitCanvas', null, [], []));
}
function watchDensity() {
    matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
        fitDensity();
        watchDensity();
    }, {once: true});
}
player.listeners.push(fitDensity);
