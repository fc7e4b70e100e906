// The running page: its end at 80 s and on Esc, the viewer's keys and the music they move,
// and the site's own limits (its size, nothing fetched from elsewhere). The show's clock is
// stepped (#step=MS), or held still by the test itself (holdClock), so every moment is known;
// the later cases run on the real clock, the audio's: picture and music in step, and a
// hidden tab. The player's controls, what browsers do to pages and the one file are in
// test_player.js.
'use strict';
const fs = require('fs');
const path = require('path');
const {serve, launchBrowser} = require('./support');

const site = path.resolve(process.argv[2]);
const table = path.resolve(__dirname, '../support/jump_cases.txt');
const failures = [];
const check = (ok, what) => {
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
    if (!ok) failures.push(what);
};

async function openPage(browser, base, hash, requests) {
    const page = await browser.newPage();
    page.on('request', (request) => requests.push(request.url()));
    page.on('pageerror', (error) => failures.push(`${hash}: ${error.message}`));
    await page.setViewport({width: 320, height: 240});
    await page.goto(`${base}/index.html${hash}`);
    await page.waitForFunction(() => Number(document.getElementById('canvas').dataset.frames || 0) >= 1,
                               {timeout: 60000});
    return page;
}

// The test's own stand-in for the page's clock: it reads the same moment for ever, so a
// show that plays stays at the moment it plays from and a key lands where the table says.
const holdClock = (page) => page.evaluate(() => {
    const held = Module.showClock.ms();
    Module.showClock.ms = () => held;
});

// A paused moment made to play on the held clock: the music starts there.
async function playingHeld(page) {
    await holdClock(page);
    await page.keyboard.press('Space');
    await page.waitForFunction(() => Module.music.source !== null, {timeout: 10000});
}

const state = (page) => page.evaluate(() => ({
    state: document.body.dataset.state,
    frames: Number(document.getElementById('canvas').dataset.frames),
    showMs: Number(document.getElementById('canvas').dataset.showMs),
    starts: Module.music.starts.map((s) => Math.round(s * 1000)),
    playing: Module.music.source !== null,
}));

// The state once the page shows the moment a key should land on (or has ended), or after a
// few seconds of showing something else.
async function afterKey(page, key, landsMs) {
    await page.keyboard.press(key);
    await page.waitForFunction((ms) => document.body.dataset.state === 'ended' ||
                                       Number(document.getElementById('canvas').dataset.showMs) === ms,
                               {timeout: 5000}, landsMs).catch(() => {});
    return state(page);
}

(async () => {
    const server = await serve(site);
    const base = `http://127.0.0.1:${server.address().port}`;
    const browser = await launchBrowser(['--autoplay-policy=no-user-gesture-required']);
    const requests = [];

    // Stepped a second a frame, the show runs to its end, closes its music and holds still.
    const ending = await openPage(browser, base, '#step=1000', requests);
    await ending.waitForFunction(() => document.body.dataset.state === 'ended', {timeout: 60000});
    const ended = await state(ending);
    await new Promise((done) => setTimeout(done, 1000));
    const later = await state(ending);
    check(ended.showMs === 79000 && !ended.playing && later.frames === ended.frames,
          `the end at 80 s: last frame at ${ended.showMs} ms, music ${ended.playing ? 'on' : 'off'}, ` +
          `${later.frames - ended.frames} frames after it`);
    // Play again has the keyboard's focus: Enter plays the show again from its start.
    const focused = await ending.evaluate(() => document.activeElement.textContent);
    await Promise.all([ending.waitForNavigation(), ending.keyboard.press('Enter')]);
    const again = await ending.waitForFunction(() => Number(document.getElementById('canvas').dataset.frames || 0) >= 1,
                                               {timeout: 60000}).then(() => true, () => false);
    check(focused === 'Play again' && again && !(await ending.evaluate(() => location.hash)),
          `the end's "${focused}" has the focus, and Enter plays again (${again})`);
    await ending.close();

    // Esc ends it at once, the music with it.
    const escaped = await openPage(browser, base, '#t=30000', requests);
    const escape = await afterKey(escaped, 'Escape', -1);
    check(escape.state === 'ended' && !escape.playing, `Esc at 30 s: ${escape.state}`);
    await escaped.close();

    // Every key of the native rules' table, paused (no music starts) and running on the held
    // clock (the music starts again from where the key lands).
    const keys = {Left: 'ArrowLeft', Right: 'ArrowRight', PageUp: 'PageUp', PageDown: 'PageDown', Home: 'Home'};
    const rows = fs.readFileSync(table, 'utf8').split('\n').filter((l) => l && !l.startsWith('#'))
        .map((l) => l.trim().split(/\s+/)).filter(([, from]) => Number.isInteger(Number(from)));
    for (const [key, from, lands] of rows) {
        for (const paused of [true, false]) {
            const page = await openPage(browser, base, `#t=${from}&paused`, requests);
            if (!paused) await playingHeld(page);
            const after = await afterKey(page, keys[key], Number(lands));
            const landed = Number(lands) >= 80000 ? after.state === 'ended'
                                                  : after.showMs === Number(lands);
            const music = paused ? after.starts.length === 0 && !after.playing
                                 : Number(lands) >= 80000 ||
                                       (after.playing && after.starts.at(-1) === Number(lands));
            check(landed && music, `${key} from ${from} ${paused ? 'paused' : 'running'}: ` +
                                   `at ${after.showMs} ms (${after.state}), music from ${after.starts}`);
            await page.close();
        }
    }

    // Space pauses the music where it stands and resumes it from the paused moment.
    const spaced = await openPage(browser, base, '#t=20000&paused', requests);
    await playingHeld(spaced);
    await spaced.keyboard.press('Space');
    await spaced.waitForFunction(() => Module.music.source === null, {timeout: 10000}).catch(() => {});
    const pausedState = await state(spaced);
    await spaced.keyboard.press('Space');
    await spaced.waitForFunction(() => Module.music.source !== null, {timeout: 10000});
    const resumed = await state(spaced);
    check(!pausedState.playing && resumed.starts.join() === '20000,20000' && resumed.showMs === 20000,
          `Space pauses and resumes the music at 20 s: ${resumed.starts}`);
    await spaced.close();

    // The music's commands are a contract by name: the player has every verb the program
    // sends, and nothing the program cannot send.
    const contract = await openPage(browser, base, '#t=1000&paused', requests);
    const verbs = await contract.evaluate(() => ({
        sent: Module.ccall('pageMusicVerbNames', 'string', [], []).split(' ').sort(),
        taken: Object.keys(Module.music.commands).filter((name) =>
            typeof Module.music.commands[name] === 'function').sort(),
    }));
    check(verbs.sent.length === 7 && verbs.sent.join() === verbs.taken.join(),
          `the music's verbs: sent ${verbs.sent.join(' ')}; taken ${verbs.taken.join(' ')}`);
    await contract.close();

    // On the real clock, each frame's moment is where the music is when the frame reads
    // the clock, within a frame (17 ms) either way (the audio clock moves in steps of its
    // own, even between two readings in one task), over five seconds and after a jump.
    const timed = await openPage(browser, base, '#t=20000', requests);
    await timed.evaluate(() => {
        const read = Module.showClock.ms.bind(Module.showClock);
        Module.showClock.ms = () => {
            Module.musicAtClockRead = Module.music.position();
            return read();
        };
    });
    const lagsOver = (ms) => timed.evaluate((wait) => new Promise((done) => {
        const lags = [];
        const canvas = document.getElementById('canvas');
        const observer = new MutationObserver(() => {
            if (Module.music.source !== null)
                lags.push(Module.musicAtClockRead * 1000 - Number(canvas.dataset.showMs));
        });
        observer.observe(canvas, {attributes: true, attributeFilter: ['data-show-ms']});
        setTimeout(() => {
            observer.disconnect();
            done(lags);
        }, wait);
    }), ms);
    const lagText = (lags) => `${lags.length} frames, lags ${Math.min(...lags).toFixed(1)} to ` +
                              `${Math.max(...lags).toFixed(1)} ms`;
    const inStep = (lags) => lags.length >= 10 && lags.every((lag) => Math.abs(lag) <= 17);
    const running = await lagsOver(5000);
    check(inStep(running), `on the real clock, picture and music in step: ${lagText(running)}`);
    const beforeJump = (await state(timed)).showMs;
    await timed.keyboard.press('ArrowRight');
    await timed.waitForFunction(() => Module.music.starts.length >= 2, {timeout: 10000})
        .catch(() => {});
    const jumped = await lagsOver(3000);
    const landed = await timed.evaluate(() => Math.round(Module.music.starts.at(-1) * 1000));
    check(inStep(jumped) && landed >= beforeJump + 5000 && landed < beforeJump + 5500,
          `after a jump to ${landed} ms, still in step: ${lagText(jumped)}`);
    await timed.close();

    // A hidden tab draws nothing, yet the show still ends at 80 s, its music with it.
    const hidden = await openPage(browser, base, '#t=77000', requests);
    const framesWhenHidden = await hidden.evaluate(() => {
        Object.defineProperty(document, 'hidden', {configurable: true, get: () => true});
        Object.defineProperty(document, 'visibilityState', {configurable: true, get: () => 'hidden'});
        document.dispatchEvent(new Event('visibilitychange'));
        return Number(document.getElementById('canvas').dataset.frames);
    });
    await new Promise((done) => setTimeout(done, 1000));
    const hiddenFrames = (await state(hidden)).frames - framesWhenHidden;
    const endedHidden = await hidden.waitForFunction(() => document.body.dataset.state === 'ended',
                                                     {timeout: 20000}).then(() => true, () => false);
    const afterHidden = await state(hidden);
    check(hiddenFrames <= 1 && endedHidden && !afterHidden.playing,
          `a hidden tab: ${hiddenFrames} frames drawn in a second, ` +
          `${endedHidden ? 'ended' : 'not ended'} at 80 s, music ${afterHidden.playing ? 'on' : 'off'}`);
    await hidden.close();

    // While the files load the page says so; a file the site cannot deliver is named. Without
    // its soundtrack the show plays silent and says so, as the native show plays without it.
    const missing = {'quorrin.js': 'failed', 'music.js': 'failed', 'quorrin.wasm': 'failed',
                     'pictures.pack.gz': 'failed', 'quorrin.ogg': 'playing'};
    for (const [file, expected] of Object.entries(missing)) {
        const broken = await browser.newPage();
        await broken.setRequestInterception(true);
        broken.on('request', (request) => request.url().endsWith(`/${file}`)
                                              ? setTimeout(() => request.respond({status: 404}), 1000)
                                              : request.continue());
        await broken.goto(`${base}/index.html`);
        const meanwhile = await broken.evaluate(() => document.getElementById('notice-text').textContent);
        await broken.waitForFunction((wanted) => document.body.dataset.state === wanted, {timeout: 30000}, expected)
            .catch(() => {});
        const said = await broken.evaluate(() => [document.body.dataset.state, document.getElementById('notice-text')
            .textContent, document.getElementById('toast').textContent, Module.music && Module.music.source !== null]);
        const words = expected === 'failed' ? said[1] : said[2];
        // A script holds the page's own scripts back until it fails; the others come in while
        // the page says it is loading.
        const loading = file.endsWith('.js') || meanwhile.includes('loading');
        check(loading && said[0] === expected && words.includes(file) && !said[3],
              `a missing ${file}: ${said[0]}, "${words}" (while loading: "${meanwhile}")`);
        await broken.close();
    }

    // The site fits in 4 MB and the page fetched nothing from outside its own folder.
    const bytes = fs.readdirSync(site).reduce((sum, name) => sum + fs.statSync(path.join(site, name)).size, 0);
    check(bytes <= 4 * 1024 * 1024, `the site is ${(bytes / 1048576).toFixed(2)} MB`);
    const outside = requests.filter((url) => !url.startsWith(base));
    check(outside.length === 0, `requests outside the site: ${outside.length ? outside.join(' ') : 'none'}`);

    await browser.close();

    // Where the browser holds sound back, the page waits with its one notice; a click anywhere,
    // a tap on the button or a key starts the show with its music.
    const holding = await launchBrowser();
    const gestures = {
        'a click away from the button': (page) => page.mouse.click(5, 5),
        'a tap on the button': (page) => page.tap('#notice-button'),
        'a key': (page) => page.keyboard.press('KeyX'),
    };
    for (const [gesture, act] of Object.entries(gestures)) {
        const context = await holding.createBrowserContext();
        const page = await context.newPage();
        await page.setViewport({width: 320, height: 240, hasTouch: gesture.includes('tap')});
        await page.goto(`${base}/index.html`);
        await page.waitForFunction(() => document.body.dataset.state !== 'loading', {timeout: 30000});
        const before = await page.evaluate(() => document.body.dataset.state);
        await act(page);
        const started = await page.waitForFunction(
            () => Module.music.source !== null && Module.music.context.state === 'running', {timeout: 10000})
            .then(() => true, () => false);
        check(before === 'waiting' && started,
              `${gesture} starts the show: ${before}, then music ${started ? 'on' : 'off'}`);
        await context.close();
    }
    await holding.close();
    server.close();
    if (failures.length > 0) {
        console.log(`${failures.length} failed:\n${failures.join('\n')}`);
        process.exit(1);
    }
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
