// The page around the show. It loads the program, the pictures and the soundtrack with a
// bar of the bytes in (over the poster), starts the program once they are in (after a
// click, a tap or a key where the browser holds sound back until then), and at the end lets
// the last frame go dark and offers to play again. Where the show cannot run it says why in
// words, naming the file it could not have, and offers Retry where trying again may help.
// Its controls are in controls.js, what it does for phones in device.js.
//
// The page also opens as one file (quorrin.html, made at build time): there its files are
// carried inside it, in script blocks named by data-file, and read from there instead of
// fetched, since nothing beside a page opened from the disk can be fetched.
//
// The address (#t=MS, #t=MS&paused, #hd, #bench, #step=MS) is read by the program, which
// hands the page the same reading (pageAddressJson) once it is loaded.
'use strict';

const canvas = document.getElementById('canvas');
const notice = document.getElementById('notice');
const noticeText = document.getElementById('notice-text');
const noticeButton = document.getElementById('notice-button');
const toast = document.getElementById('toast');
const poster = document.getElementById('poster');
const loadingBar = document.getElementById('loading');
const fragment = location.hash;
let address = {ms: 0, paused: false, bench: false, hd: false, stepMs: null, unusable: []};

function pageState() {
    return document.body.dataset.state;
}

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

// A short word over the picture that goes by itself (or stays, with seconds 0, until
// another replaces it or it is taken back).
let toastTimer = 0;
function tell(text, seconds = 5) {
    toast.textContent = text;
    toast.hidden = false;
    clearTimeout(toastTimer);
    if (seconds > 0) toastTimer = setTimeout(() => { toast.hidden = true; }, seconds * 1000);
}

function untell(text) {
    if (toast.textContent === text) toast.hidden = true;
}

// The first thing that went wrong is what the page says; with retry, a Retry button that
// calls it and takes the page back to loading.
function fail(text, retry) {
    if (pageState() === 'failed') return;
    const was = pageState();
    setState('failed');
    say(text, retry ? 'Retry' : '', retry && (() => {
        setState(was);
        notice.hidden = was !== 'loading';
        if (was === 'loading') say('quorrin: loading the pictures and the music…');
        retry();
    }));
}

// The files the page carries inside itself (quorrin.html), by name.
function carried(name) {
    const block = document.querySelector(`script[data-file="${name}"]`);
    if (!block) return null;
    const text = atob(block.textContent.trim());
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
}
const oneFile = document.querySelector('script[data-file]') !== null;

// Bytes in and bytes promised, per file, for the loading bar.
const loads = new Map();
function showProgress() {
    let loaded = 0, total = 0;
    for (const entry of loads.values()) {
        loaded += entry.loaded;
        total += entry.total;
    }
    const known = total > 0 && [...loads.values()].every((entry) => entry.total > 0);
    const percent = known ? Math.min(100, Math.round((100 * loaded) / total)) : 0;
    loadingBar.classList.toggle('unknown', !known);
    loadingBar.setAttribute('aria-valuenow', percent);
    loadingBar.style.setProperty('--loaded', `${percent}%`);
}

// A file's bytes from inside the page or from the site, counted as they come in. An error
// says which file; missing is set where the site answered that it has no such file.
async function download(name) {
    const inside = carried(name);
    if (inside) {
        loads.set(name, {loaded: inside.length, total: inside.length});
        showProgress();
        return inside;
    }
    const entry = {loaded: 0, total: 0};
    loads.set(name, entry);
    let response;
    try {
        response = await fetch(name);
    } catch (error) {
        throw new Error(`${name} could not be loaded (${error.message})`);
    }
    if (response.status === 404 || response.status === 410)
        throw Object.assign(new Error(`the site has no ${name}`), {missing: true});
    if (!response.ok) throw new Error(`${name} could not be loaded (the server answered ${response.status})`);
    entry.total = Number(response.headers.get('Content-Length')) || 0;
    const chunks = [];
    const reader = response.body.getReader();
    try {
        for (;;) {
            const {done, value} = await reader.read();
            if (done) break;
            chunks.push(value);
            entry.loaded += value.length;
            showProgress();
        }
    } catch (error) {
        throw new Error(`${name} stopped coming in from the site (${error.message})`);
    }
    const bytes = new Uint8Array(entry.loaded);
    let at = 0;
    for (const chunk of chunks) {
        bytes.set(chunk, at);
        at += chunk.length;
    }
    entry.total = entry.loaded;
    showProgress();
    return bytes;
}

// A file the show needs: where it fails, the page says which and why and offers Retry, and
// loads it again when asked. With missingIsFine, a file the site lacks gives null instead.
const retries = [];
function loadFile(name, missingIsFine = false) {
    return download(name).catch((error) => {
        if (missingIsFine && error.missing) return null;
        return new Promise((retried) => {
            retries.push(retried);
            fail(`The show's files could not be loaded: ${error.message}.`, () => {
                for (const again of retries.splice(0)) again();
            });
        }).then(() => loadFile(name, missingIsFine));
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

// A page of the site opened from the disk can fetch nothing beside it; the one file can.
const fromDisk = location.protocol === 'file:' && !oneFile;
const never = new Promise(() => {});
const program = fromDisk ? never : loadFile('quorrin.wasm');
const pictures = fromDisk ? never : loadFile('pictures.pack.gz')
    .then((bytes) => new Response(new Blob([bytes]).stream()
        .pipeThrough(new DecompressionStream('gzip'))).arrayBuffer())
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
    // The program's code is one of the files the bar counts (and, in the one file, one it
    // carries), so the page hands it over instead of the runtime fetching it.
    instantiateWasm(imports, done) {
        program.then((bytes) => WebAssembly.instantiate(bytes, imports))
            .then((result) => done(result.instance),
                  (error) => fail(`This browser could not run the show's program: ${error.message}.`));
        return {};
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
        address = readAddress(fragment);
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
        noticeButton.focus();
    },
    onAbort(what) {
        fail(`The show stopped on an error in this browser (${what}).`);
    },
};

// The program's reading of an address (page_address.h).
function readAddress(hash) {
    return JSON.parse(Module.ccall('pageAddressJson', 'string', ['string'], [hash]));
}

let runtimeReady = false;
let trackReady = false;
let programStarted = false;

function startProgram() {
    if (programStarted || pageState() === 'failed') return;
    programStarted = true;
    notice.hidden = true;
    setState('playing');
    if (address.unusable.length > 0) {
        tell(`Not understood in the address: ${address.unusable.map((part) => `“${part}”`).join(', ')}` +
             ' (t=MS takes whole milliseconds from 0 to 80000, step=MS at least 1).', 8);
    }
    Module.callMain([fragment]);
    if (Module.onProgramStarted) Module.onProgramStarted();
}

// Sound may start only after a person has clicked, tapped or pressed a key, where the
// browser says so: the show waits for that, with a word on what it is. A paused moment is
// shown at once; it plays, with its sound, on the first click, tap or key.
function startWhenReady() {
    if (!runtimeReady || !trackReady || programStarted || pageState() === 'failed') return;
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
    if (pageState() === 'waiting') startWithSound();
});

window.addEventListener('keydown', (event) => {
    // A key is a person's gesture: sound held back until now may play.
    const context = Module.music && Module.music.context;
    if (context && context.state === 'suspended' && !event.ctrlKey && !event.altKey && !event.metaKey)
        context.resume();
    // Any key that types starts the waiting show; the browser's own keys stay the browser's.
    const typing = event.key.length === 1 || event.key === 'Enter';
    if (pageState() === 'waiting' && typing && !event.ctrlKey && !event.altKey && !event.metaKey) {
        event.preventDefault();
        startWithSound();
    }
}, true);

setState('loading');
say('quorrin: loading the pictures and the music…');
showProgress();
// The poster while it loads: from inside the one file, or beside the site's page where the
// site has one.
const carriedPoster = carried('poster.jpg');
poster.addEventListener('load', () => { poster.hidden = false; });
if (carriedPoster) poster.src = URL.createObjectURL(new Blob([carriedPoster], {type: 'image/jpeg'}));
else if (!oneFile) poster.src = 'poster.jpg';

if (fromDisk) {
    fail('This page needs a web server: open quorrin.html beside its folder (the whole show in ' +
         'one file), or serve this folder (scripts/web.sh does) and open its address.');
} else if (!document.createElement('canvas').getContext('webgl2')) {
    fail('This browser cannot draw the show: it has no WebGL2.');
}

const AudioContextType = window.AudioContext || window.webkitAudioContext;
// Wait for the music script below, which sets up Module.music. A soundtrack the site lacks,
// or one this browser cannot decode, leaves the show silent, as the native show is without
// its sound.
window.addEventListener('DOMContentLoaded', () => {
    if (fromDisk || !Module.music) return;
    if (AudioContextType) Module.music.setContext(new AudioContextType());
    const context = Module.music.context;
    const track = context
        ? loadFile('quorrin.ogg', true).then((bytes) => {
            if (bytes === null) {
                tell('The soundtrack quorrin.ogg is missing from the site: the show plays silent.', 8);
                return null;
            }
            return context.decodeAudioData(bytes.buffer).catch(() => {
                tell('This browser cannot play the soundtrack quorrin.ogg: the show plays silent.', 8);
                return null;
            });
        })
        : Promise.resolve(null);
    // Where sound is allowed at once, the context runs without a gesture.
    const allowed = context
        ? Promise.race([context.resume(), new Promise((done) => setTimeout(done, 300))])
        : Promise.resolve();
    Promise.all([track, pictures, program, allowed]).then(([buffer]) => {
        Module.music.buffer = buffer;
        trackReady = true;
        startWhenReady();
    }, (error) => fail(`The show's files came in but could not be read: ${error.message}.`));
});
