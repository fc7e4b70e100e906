// What the page does for phones and tablets: the screen kept awake while the show plays,
// and let go when it is paused or over; the show on the lock screen and the headset's
// buttons (play, pause, the scenes, 5 s back and on, a moment), with its poster.
'use strict';

// The system lets go of a wake lock whenever the page is hidden: it is asked again when the
// page comes back while the show plays.
const screenLock = {held: null, asking: false};
function keepScreenAwake(wanted) {
    if (!navigator.wakeLock) return;
    if (!wanted) {
        if (screenLock.held) screenLock.held.release().catch(() => {});
        screenLock.held = null;
        return;
    }
    if (screenLock.held || screenLock.asking || document.visibilityState !== 'visible') return;
    screenLock.asking = true;
    navigator.wakeLock.request('screen').then((lock) => {
        screenLock.asking = false;
        screenLock.held = lock;
        lock.addEventListener('release', () => {
            if (screenLock.held === lock) screenLock.held = null;
        });
        // Paused or over while it was being granted.
        if (!showPlaying()) keepScreenAwake(false);
    }, () => { screenLock.asking = false; });
}
Module.screenLock = screenLock;

const showPlaying = () => pageState() === 'playing' && !Module.player.paused;
document.addEventListener('visibilitychange', () => keepScreenAwake(showPlaying()));

// The lock screen's controls, and its progress bar from the show's moment.
const session = navigator.mediaSession;
let positionSetAt = -Infinity;
function tellSession(player, changed) {
    if (!session) return;
    session.playbackState = pageState() !== 'playing' ? 'none' : player.paused ? 'paused' : 'playing';
    // The system moves the position on by itself while playing; it is told again where the
    // show jumped, paused, or at most once a second.
    const now = performance.now();
    if (!changed && now - positionSetAt < 1000) return;
    positionSetAt = now;
    try {
        session.setPositionState({duration: 80, playbackRate: 1,
                                  position: Math.min(80, Math.max(0, player.ms / 1000))});
    } catch (error) {
        // An old browser without positions.
    }
}

function setUpSession() {
    if (!session || !window.MediaMetadata) return;
    const poster = document.getElementById('poster');
    const artwork = poster.hidden || !poster.naturalWidth ? []
        : [{src: poster.src, sizes: `${poster.naturalWidth}x${poster.naturalHeight}`, type: 'image/jpeg'}];
    session.metadata = new MediaMetadata({title: 'quorrin', artist: 'quorrin',
                                          album: 'An 80-second real-time demo', artwork});
    const command = Module.player.command;
    const actions = {
        play: () => Module.player.paused && command.playOrPause(),
        pause: () => !Module.player.paused && command.playOrPause(),
        previoustrack: () => command.jump('sceneStart'),
        nexttrack: () => command.jump('nextScene'),
        seekbackward: () => command.jump('back5s'),
        seekforward: () => command.jump('forward5s'),
        seekto: (details) => command.goTo(Math.min(79999, Math.round(details.seekTime * 1000))),
    };
    for (const [action, handler] of Object.entries(actions)) {
        try {
            session.setActionHandler(action, handler);
        } catch (error) {
            // An action this browser does not know.
        }
    }
}

Module.player.listeners.push((player, changed) => {
    keepScreenAwake(showPlaying());
    tellSession(player, changed);
});
const startedBefore = Module.onProgramStarted;
Module.onProgramStarted = () => {
    startedBefore();
    setUpSession();
};
const exitBefore = Module.onExit;
Module.onExit = (status) => {
    exitBefore(status);
    keepScreenAwake(false);
    if (session) session.playbackState = 'none';
};
