// The page as a player: its controls on a touch phone and on a desktop, the keys it leaves
// to the browser, what browsers do to pages (a lost GPU context, the sound suspended by the
// system, a changed address, an address it cannot use), the cap on big screens' pixels, and
// the one file opened from the disk.
//   node test_player.js SITE_DIR ONE_FILE
'use strict';
const path = require('path');
const {serve, launchBrowser} = require('./support');

const [site, oneFile] = process.argv.slice(2).map((file) => path.resolve(file));
const failures = [];
const check = (ok, what) => {
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
    if (!ok) failures.push(what);
};
const pause = (ms) => new Promise((done) => setTimeout(done, ms));

const phone = {width: 360, height: 640, hasTouch: true, isMobile: true};
const desktop = {width: 1280, height: 720};

// The page at url once it has drawn, with every console error and page error it gives.
async function open(browser, url, viewport) {
    const page = await browser.newPage();
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    // The poster comes from another branch of the build: its absence is no error here.
    page.on('console', (message) => message.type() === 'error' && !message.text().includes('404') &&
                                    !message.text().includes('ERR_FILE_NOT_FOUND') &&
                                    page.errors.push(message.text()));
    await page.setViewport(viewport);
    await page.goto(url);
    await page.waitForFunction(() => Number(document.getElementById('canvas').dataset.frames || 0) >= 1,
                               {timeout: 60000});
    return page;
}

const look = (page) => page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    return {
        state: document.body.dataset.state, controls: document.body.dataset.controls,
        frames: Number(canvas.dataset.frames), showMs: Number(canvas.dataset.showMs),
        paused: Module.player.paused, playerMs: Module.player.ms, playing: Module.music.source !== null,
        toast: document.getElementById('toast').hidden ? '' : document.getElementById('toast').textContent,
        canvas: [canvas.width, canvas.height],
    };
});
const until = (page, test, argument, timeout = 10000) =>
    page.waitForFunction(test, {timeout}, argument).then(() => true, () => false);
const button = (page, name) => page.$(`::-p-aria(${name})`);
const tapOn = async (page, name) => (await button(page, name)).tap();

// Music and picture: how far the picture's moment is from where the music is, over ms.
const lagsOver = (page, ms) => page.evaluate((wait) => new Promise((done) => {
    const read = Module.showClock.ms.bind(Module.showClock);
    Module.showClock.ms = () => {
        Module.musicAtClockRead = Module.music.position();
        return read();
    };
    const lags = [];
    const canvas = document.getElementById('canvas');
    const observer = new MutationObserver(() => {
        if (Module.music.source !== null) lags.push(Module.musicAtClockRead * 1000 - Number(canvas.dataset.showMs));
    });
    observer.observe(canvas, {attributes: true, attributeFilter: ['data-show-ms']});
    setTimeout(() => {
        observer.disconnect();
        Module.showClock.ms = read;
        done(lags);
    }, wait);
}), ms);
const inStep = (lags) => lags.length >= 10 && lags.every((lag) => Math.abs(lag) <= 17);
const lagText = (lags) => `${lags.length} frames, lags ${Math.min(...lags).toFixed(1)} to ${Math.max(...lags).toFixed(1)} ms`;

async function onAPhone(browser, base) {
    // The screen's wake lock, which a phone grants a visible page and headless Chromium only
    // where told to.
    const cdp = await browser.target().createCDPSession();
    await cdp.send('Browser.setPermission', {permission: {name: 'screen-wake-lock'}, setting: 'granted', origin: base});
    const page = await open(browser, `${base}/index.html#t=20000`, phone);
    await browser.defaultBrowserContext().overridePermissions(base, ['clipboard-read', 'clipboard-sanitized-write']);
    const awake = await until(page, () => Module.screenLock.held !== null);
    const faded = await until(page, () => document.body.dataset.controls === 'hidden');
    await page.touchscreen.tap(180, 150);
    const shown = (await look(page)).controls;
    check(faded && shown === 'shown', `phone: the controls fade while playing (${faded}), a tap shows them (${shown})`);

    // A swipe over the picture and a double tap on its right third: no console error, 5 s on.
    await page.touchscreen.touchStart(100, 300);
    for (let x = 110; x <= 250; x += 20) await page.touchscreen.touchMove(x, 300);
    await page.touchscreen.touchEnd();
    await tapOn(page, 'Pause');
    await until(page, () => Module.player.paused);
    const before = await look(page);
    await page.touchscreen.tap(300, 150);
    await page.touchscreen.tap(300, 150);
    const doubled = await until(page, (ms) => Number(document.getElementById('canvas').dataset.showMs) === ms,
                                before.playerMs + 5000);
    check(doubled, `phone: a double tap on the right third from ${before.playerMs} ms jumps 5 s on (at ${(await look(page)).showMs} ms)`);

    // Paused, the picture holds still: no frame, the same moment.
    const held = await look(page);
    await pause(1000);
    const later = await look(page);
    const lockScreen = await page.evaluate(() => [navigator.mediaSession.metadata.title,
                                                   navigator.mediaSession.playbackState]);
    const asleep = await until(page, () => Module.screenLock.held === null);
    check(awake && asleep, `phone: the screen kept awake while playing (${awake}), let go when paused (${asleep})`);
    check(held.paused && !held.playing && later.frames === held.frames && later.showMs === held.showMs &&
          lockScreen.join() === 'quorrin,paused',
          `phone: Pause holds the picture still at ${held.showMs} ms (${later.frames - held.frames} frames in 1 s), ` +
          `music off, the lock screen's ${lockScreen.join(', ')}`);

    // Next scene lands where Page Down does, still paused; Play plays on from there.
    await tapOn(page, 'Next scene');
    const next = await until(page, () => Number(document.getElementById('canvas').dataset.showMs) === 33300);
    await tapOn(page, 'Play');
    // The music plays from the show's moment as it is read on resuming: within a step of the
    // audio clock of where it stood.
    const played = await until(page, () => !Module.player.paused && Math.abs(Module.music.starts.at(-1) - 33.3) < 0.01);
    check(next && played, `phone: Next scene lands on 33300 ms paused (${next}), Play plays on from it (${played})`);

    // Mute is the page's gain: the show and its music play on, unheard.
    await tapOn(page, 'Mute');
    const muted = await page.evaluate(() => [Module.music.gain.gain.value, Module.music.source !== null,
                                             !!document.querySelector('[aria-label="Unmute"]')]);
    await tapOn(page, 'Unmute');
    const unmuted = await page.evaluate(() => Module.music.gain.gain.value);
    check(muted.join() === '0,true,true' && unmuted === 1, `phone: Mute (gain, playing, Unmute) ${muted}, then gain ${unmuted}`);

    // The link to this moment: its t is the frame's.
    await tapOn(page, 'Pause');
    await until(page, () => Module.player.paused);
    await tapOn(page, 'Copy link to this moment');
    await until(page, () => !document.getElementById('toast').hidden);
    const [link, frameMs] = await page.evaluate(async () => [await navigator.clipboard.readText(),
                                                             Number(document.getElementById('canvas').dataset.showMs)]);
    check(link.endsWith(`#t=${frameMs}&paused`), `phone: the copied link ${link} is the frame at ${frameMs} ms`);
    check(page.errors.length === 0, `phone: no console or page errors (${page.errors.join('; ')})`);
    await page.close();

    // At 320 px wide every control is on the screen, and big enough for a finger.
    const narrow = await open(browser, `${base}/index.html#t=20000`, {...phone, width: 320});
    await narrow.touchscreen.tap(160, 150);
    const boxes = await narrow.$$eval('#controls button, #time', (elements) => elements.map((element) => {
        const box = element.getBoundingClientRect();
        return [element.getAttribute('aria-label'), box.left, box.right, box.height];
    }));
    const off = boxes.filter(([, left, right, height]) => left < 0 || right > 320 || height < 24);
    check(boxes.length === 7 && off.length === 0, `320 px wide: ${boxes.length} controls, off or small: ${off.map(([name]) => name).join(', ') || 'none'}`);
    await narrow.close();
}

async function onADesktop(browser, base) {
    const page = await open(browser, `${base}/index.html#t=20000`, desktop);
    await page.mouse.move(640, 300);
    const shown = (await look(page)).controls;
    const faded = await until(page, () => document.body.dataset.controls === 'hidden', undefined, 5000);
    await pause(500);
    const opacity = await page.$eval('#controls', (element) => getComputedStyle(element).opacity);
    await page.mouse.move(600, 320);
    const back = (await look(page)).controls;
    check(shown === 'shown' && faded && Number(opacity) < 0.05 && back === 'shown',
          `desktop: controls shown on a mouse move, faded after 3 s (opacity ${opacity}), back on a move`);
    await page.mouse.click(640, 300);
    const clicked = await until(page, () => Module.player.paused && Module.music.source === null);
    check(clicked, 'desktop: a click on the picture pauses the show and its music');

    // Keys the show does not take reach the browser; the show's own do not.
    const keys = [['Tab', false], ['F5', false], ['F12', false], ['KeyA', false], ['ArrowUp', false],
                  ['Enter', false], ['Control+KeyK', false], ['Control+ArrowLeft', false],
                  ['Alt+ArrowLeft', false], ['Meta+Digit1', false], ['Space', true], ['KeyK', true],
                  ['KeyJ', true], ['Digit3', true], ['Shift+Slash', true]];
    await page.evaluate(() => {
        window.keysSeen = [];
        window.addEventListener('keydown', (event) => window.keysSeen.push(event.defaultPrevented));
    });
    const wrong = [];
    for (const [key, taken] of keys) {
        const chord = key.split('+');
        for (const part of chord) await page.keyboard.down(part);
        for (const part of [...chord].reverse()) await page.keyboard.up(part);
        const seen = await page.evaluate(() => window.keysSeen.at(-1));
        if (seen !== taken) wrong.push(`${key} ${seen ? 'taken' : 'passed'}`);
    }
    check(wrong.length === 0, `desktop: browser keys pass, the show's are taken (${wrong.join(', ') || 'all as meant'})`);
    check(page.errors.length === 0, `desktop: no console or page errors (${page.errors.join('; ')})`);
    await page.close();
}

async function whatBrowsersDo(browser, base) {
    // A lost GPU context, as the GL layer says it (its events on the canvas): the page says
    // so meanwhile and draws again, paused too, once it is back.
    const lost = await open(browser, `${base}/index.html#t=40000&paused`, desktop);
    await lost.evaluate(() => document.getElementById('canvas').dispatchEvent(new Event('quorrin-gl-lost')));
    const during = await look(lost);
    await lost.evaluate(() => document.getElementById('canvas').dispatchEvent(new Event('quorrin-gl-restored')));
    const redrawn = await until(lost, (frames) => Number(document.getElementById('canvas').dataset.frames) > frames,
                                during.frames);
    const after = await look(lost);
    check(during.toast.includes('lost') && redrawn && after.toast === '' && after.showMs === 40000,
          `a lost context: "${during.toast}", then drawn again at ${after.showMs} ms (${redrawn})`);
    // The address changed while the page runs: there, paused as it says.
    await lost.evaluate(() => { location.hash = '#t=50000'; });
    const moved = await until(lost, () => !Module.player.paused && Module.music.starts.at(-1) === 50);
    await lost.evaluate(() => { location.hash = '#t=60000&paused'; });
    const movedPaused = await until(lost, () => Module.player.paused &&
                                              Number(document.getElementById('canvas').dataset.showMs) === 60000);
    check(moved && movedPaused, `a changed address plays from #t=50000 (${moved}) and holds #t=60000&paused (${movedPaused})`);
    await lost.close();

    // The sound suspended by the system pauses the show; back, both play on in step.
    const page = await open(browser, `${base}/index.html#t=20000`, desktop);
    await pause(500);
    await page.evaluate(() => Module.music.context.suspend());
    await until(page, () => Module.player.paused);
    await pause(300);
    const suspended = await look(page);
    await pause(2000);
    const stillSuspended = await look(page);
    await page.evaluate(() => Module.music.context.resume());
    const resumed = await until(page, () => !Module.player.paused && Module.music.source !== null);
    const lags = await lagsOver(page, 5000);
    const music = await page.evaluate(() => Module.music.starts.at(-1) * 1000);
    check(suspended.paused && stillSuspended.frames === suspended.frames && suspended.toast !== '' && resumed &&
          Math.abs(music - suspended.playerMs) < 10 && inStep(lags),
          `suspended sound pauses the show at ${suspended.playerMs} ms (${stillSuspended.frames - suspended.frames} ` +
          `frames in 2 s, "${suspended.toast}"); resumed, the music from ${music} ms, ` +
          `in step: ${lagText(lags)}`);
    await page.close();

    // An address the program cannot use is said, and the show plays from the start.
    for (const hash of ['#t=30000.5', '#T=30000', '#t=1e30', '#t=soon', '#step=0']) {
        const bad = await open(browser, `${base}/index.html${hash}`, desktop);
        const seen = await look(bad);
        await pause(500);
        const moving = (await look(bad)).showMs > seen.showMs;
        check(seen.toast.includes(hash.slice(1)) && seen.showMs < 5000 && moving,
              `${hash}: "${seen.toast}", from ${seen.showMs} ms, the clock moving (${moving})`);
        await bad.close();
    }

    // Big screens: the picture at most 1440 x 1080 unless the address says hd.
    const big = {width: 2400, height: 1200};
    const capped = await open(browser, `${base}/index.html#t=1000&paused`, big);
    const hd = await open(browser, `${base}/index.html#t=1000&paused&hd`, big);
    const sizes = [(await look(capped)).canvas, (await look(hd)).canvas];
    check(sizes[0].join() === '2160,1080' && sizes[1].join() === '2400,1200',
          `a 2400 x 1200 window: canvas ${sizes[0].join(' x ')}, with hd ${sizes[1].join(' x ')}`);
    await capped.close();
    await hd.close();

    // The pixel density alone changes (the window moved to another monitor): the canvas
    // takes the new device pixels.
    const dense = await open(browser, `${base}/index.html#t=1000`, {width: 400, height: 300});
    await dense.setViewport({width: 400, height: 300, deviceScaleFactor: 2});
    const denser = await until(dense, () => document.getElementById("canvas").width === 800);
    check(denser, `a density of 2 alone: canvas ${(await look(dense)).canvas.join(' x ')}`);
    await dense.close();
}

// A server that breaks off in the middle of the pictures, once: the page names the file and
// offers Retry, and retried, the show plays.
async function retried(browser) {
    let broken = false;
    const server = await serve(site, (name, data, response) => {
        if (name !== 'pictures.pack.gz' || broken) return false;
        broken = true;
        response.writeHead(200, {'Content-Length': data.length});
        response.write(data.subarray(0, data.length >> 1), () => setTimeout(() => response.destroy(), 200));
        return true;
    });
    const page = await browser.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/index.html`);
    await until(page, () => document.body.dataset.state === 'failed', undefined, 20000);
    const said = await page.evaluate(() => [document.getElementById('notice-text').textContent,
                                            document.getElementById('notice-button').textContent]);
    await page.click('#notice-button');
    const plays = await until(page, () => Number(document.getElementById('canvas').dataset.frames || 0) >= 1,
                              undefined, 30000);
    check(said[0].includes('pictures.pack.gz') && said[1] === 'Retry' && plays,
          `a server failing mid-load: "${said[0]}" [${said[1]}], then the show plays (${plays})`);
    await page.close();
    server.close();
}

(async () => {
    const server = await serve(site);
    const base = `http://127.0.0.1:${server.address().port}`;
    const browser = await launchBrowser(['--autoplay-policy=no-user-gesture-required']);
    await onAPhone(browser, base);
    await onADesktop(browser, base);
    await whatBrowsersDo(browser, base);
    await retried(browser);

    // The one file from the disk plays, with its music, and fetches nothing.
    const requests = [];
    const single = await browser.newPage();
    single.on('request', (request) => requests.push(request.url()));
    await single.goto(`file://${oneFile}#t=30000`);
    const plays = await until(single, () => Number(document.getElementById('canvas').dataset.showMs) > 30500 &&
                                            Module.music.source !== null, undefined, 30000);
    // Its poster is shown from its own bytes, through a blob: address of the page's own.
    const fetched = requests.map((url) => url.split('#')[0])
        .filter((url) => url !== `file://${oneFile}` && !url.startsWith('blob:'));
    check(plays && fetched.length === 0, `the one file from file:// plays with its music (${plays}), ` +
                                         `fetching ${fetched.join(' ') || 'nothing'}`);
    // The site's own page from the disk says what to open instead.
    await single.goto(`file://${site}/index.html`);
    await until(single, () => document.body.dataset.state === 'failed');
    const said = await single.$eval('#notice-text', (element) => element.textContent);
    check(said.includes('quorrin.html'), `the site's page from file://: "${said}"`);
    await browser.close();
    server.close();
    if (failures.length > 0) {
        console.log(`${failures.length} failed:\n${failures.join('\n')}`);
        process.exit(1);
    }
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
