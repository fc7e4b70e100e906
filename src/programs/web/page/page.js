// The page around the show. It loads the pictures and the soundtrack, starts the program
// once they are in (after a click, a tap or a key where the browser holds sound back until
// then), lets F switch full screen, and at the end lets the last frame go dark and offers
// to play again. Where the show cannot run it says why in words.
//
// The address (#t=MS, #t=MS&paused, #bench, #step=MS) is read by the program, which hands
// the page the same reading (pageAddressJson) once it is loaded.
'use strict';

const canvas = document.getElementById('canvas');
const notice = document.getElementById('notice');
const noticeText = document.getElementById('notice-text');
const noticeButton = document.getElementById('notice-button');
const fragment = location.hash;
let address = {ms: 0, paused: false, bench: false, stepMs: null};

function setState(state) {
    document.body.dataset.state = state;
}

// One notice over the page; with a button when there is something to do.
function say(text, buttonText, action) {
    noticeText.textContent = text;
    noticeButton.hidden = !buttonText;
    noticeButton.textContent = buttonText || '';
    noticeButton.onclick = action || null;
    notice.hidden = false;
}

function fail(text) {
    setState('failed');
    say(text);
}

function fetchFile(name) {
    return fetch(name).then((response) => {
        if (!response.ok) throw new Error(`${name} could not be loaded (${response.status})`);
        return response;
    });
}

// The pictures come as one gzip stream of NAME, newline, size, newline, bytes.
function unpackFiles(buffer) {
    const bytes = new Uint8Array(buffer);
    const files = [];
    const line = (from) => {
        const end = bytes.indexOf(10, from);
        return [new TextDecoder().decode(bytes.subarray(from, end)), end + 1];
    };
    for (let at = 0; at < bytes.length;) {
        const [name, sizeAt] = line(at);
        const [size, dataAt] = line(sizeAt);
        files.push({name, data: bytes.subarray(dataAt, dataAt + Number(size))});
        at = dataAt + Number(size);
    }
    return files;
}

const pictures = fetchFile('pictures.pack.gz')
    .then((response) => new Response(response.body.pipeThrough(new DecompressionStream('gzip'))))
    .then((response) => response.arrayBuffer())
    .then(unpackFiles);

var Module = {
    canvas,
    arguments: [fragment],
    // The show's progress lines, one a frame, would flood the console: the latest is kept.
    // The benchmark's figures are printed.
    print(text) {
        Module.lastLine = text;
        if (address.bench) console.log(text);
    },
    printErr(text) {
        console.error(text);
    },
    preRun: [() => {
        Module.addRunDependency('pictures');
        pictures.then((files) => {
            Module.FS.mkdir('/image');
            for (const file of files) Module.FS.writeFile('/' + file.name, file.data);
            Module.removeRunDependency('pictures');
        }, () => {});
    }],
    onRuntimeInitialized() {
        address = JSON.parse(Module.ccall('pageAddressJson', 'string', ['string'], [fragment]));
        Module.showClock.stepMs = address.stepMs;
        runtimeReady = true;
        startWhenReady();
    },
    onExit(status) {
        Module.music.close();
        setState('ended');
        canvas.classList.add('gone');
        say(status === 0 ? 'quorrin: the end.' : 'The show stopped on an error.', 'Play again',
            () => {
                history.replaceState(null, '', location.pathname);
                location.reload();
            });
    },
    onAbort() {
        fail('The show could not run in this browser (its program failed to load).');
    },
};

let runtimeReady = false;
let trackReady = false;
let programStarted = false;

function startProgram() {
    if (programStarted) return;
    programStarted = true;
    notice.hidden = true;
    setState('playing');
    Module.callMain([fragment]);
}

// Sound may start only after a person has clicked, tapped or pressed a key, where the
// browser says so: the show waits for that, with a word on what it is.
function startWhenReady() {
    if (!runtimeReady || !trackReady || programStarted) return;
    const context = Module.music.context;
    if (address.bench || address.paused || !context || context.state === 'running') {
        startProgram();
        return;
    }
    setState('waiting');
    say('quorrin: an 80-second real-time demo, with music. Click, tap or press a key to start.',
        'Start');
}

function startWithSound() {
    Module.music.context.resume();
    startProgram();
}

// The start control is the whole waiting page: a click or tap anywhere on it starts the show.
window.addEventListener('click', () => {
    if (document.body.dataset.state === 'waiting') startWithSound();
});

window.addEventListener('keydown', (event) => {
    // A key is a person's gesture: sound held back until now may play.
    const context = Module.music && Module.music.context;
    if (context && context.state === 'suspended') context.resume();
    if (document.body.dataset.state === 'waiting') {
        event.preventDefault();
        startWithSound();
        return;
    }
    if (event.key === 'f' || event.key === 'F') {
        if (document.fullscreenElement) document.exitFullscreen();
        else document.documentElement.requestFullscreen().catch(() => {});
    }
}, true);

// Two megabytes take a while on a slow line: the page says what it is doing meanwhile.
say('quorrin: loading the pictures and the music…');

if (!document.createElement('canvas').getContext('webgl2')) {
    fail('This browser cannot draw the show: it has no WebGL2.');
    Module.onRuntimeInitialized = () => {};
}

const AudioContextType = window.AudioContext || window.webkitAudioContext;
// Wait for the music script below, which sets up Module.music.
window.addEventListener('DOMContentLoaded', () => {
    if (AudioContextType) Module.music.context = new AudioContextType();
    const context = Module.music.context;
    const track = context
        ? fetchFile('quorrin.ogg')
              .then((response) => response.arrayBuffer())
              .then((bytes) => context.decodeAudioData(bytes))
        : Promise.resolve(null);
    // Where sound is allowed at once, the context runs without a gesture.
    const allowed = context
        ? Promise.race([context.resume(), new Promise((done) => setTimeout(done, 300))])
        : Promise.resolve();
    Promise.all([track, pictures, allowed]).then(([buffer]) => {
        Module.music.buffer = buffer;
        trackReady = true;
        startWhenReady();
    }, (error) => fail(`The show's files could not be loaded: ${error.message}.`));
});
