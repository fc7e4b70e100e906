// A lost WebGL context that comes back (a phone's backgrounded tab, a driver reset): the GL
// layer remakes what it had made in WebGL, so a held frame drawn again is the same to the
// pixel, and a running page goes on drawing the show, with no page errors.
// node test_context_loss.js SITE_DIR
'use strict';
const path = require('path');
const {serve, launchBrowser, decodePng, compare} = require('./support.js');

const failures = [];
const check = (ok, what) => {
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
    if (!ok) failures.push(what);
};

async function openPage(browser, url, problems) {
    const page = await browser.newPage();
    page.on('pageerror', (error) => problems.push(error.message));
    page.on('console', (message) => {
        if (/WebGL: (?!CONTEXT_LOST_WEBGL)/.test(message.text())) problems.push(message.text());
    });
    await page.setViewport({width: 640, height: 480, deviceScaleFactor: 1});
    await page.goto(url);
    await page.waitForFunction(() => Number(document.getElementById('canvas').dataset.frames || 0) >= 1,
                               {timeout: 120000});
    return page;
}

const framesShown = (page) => page.evaluate(() => Number(document.getElementById('canvas').dataset.frames));

// A held page draws again when the window is resized; the picture once that frame is shown.
async function redrawnPicture(page) {
    const frames = await framesShown(page);
    await page.evaluate(() => window.dispatchEvent(new Event('resize')));
    await page.waitForFunction((n) => Number(document.getElementById('canvas').dataset.frames) > n,
                               {timeout: 30000}, frames);
    return decodePng(await page.screenshot());
}

// Loses the canvas's context and restores it once the loss has been handled; the layer's own
// events in the order they came (a restore the page did not allow never comes).
function loseAndRestore(page) {
    return page.evaluate(() => new Promise((done) => {
        const canvas = document.getElementById('canvas');
        const told = [];
        for (const name of ['quorrin-gl-lost', 'quorrin-gl-restored'])
            canvas.addEventListener(name, () => told.push(name));
        const control = canvas.getContext('webgl2').getExtension('WEBGL_lose_context');
        canvas.addEventListener('webglcontextlost', () => setTimeout(() => control.restoreContext(), 100),
                                {once: true});
        canvas.addEventListener('webglcontextrestored', () => setTimeout(() => done(told), 0), {once: true});
        setTimeout(() => done(told), 5000);
        control.loseContext();
    }));
}

const litShare = ({rgb}) => {
    let lit = 0;
    for (let i = 0; i < rgb.length; i += 3) if (rgb[i] + rgb[i + 1] + rgb[i + 2] > 0) ++lit;
    return (100 * lit) / (rgb.length / 3);
};

(async () => {
    const server = await serve(path.resolve(process.argv[2]));
    const base = `http://127.0.0.1:${server.address().port}/index.html`;
    const browser = await launchBrowser(['--autoplay-policy=no-user-gesture-required']);
    try {
        // A held frame: textured pictures, lines and lit boxes, drawn before and after.
        const heldProblems = [];
        const held = await openPage(browser, `${base}#t=30500&paused`, heldProblems);
        const before = await redrawnPicture(held);
        const told = await loseAndRestore(held);
        const after = await redrawnPicture(held);
        const r = compare(after, before, 0);
        check(told.join() === 'quorrin-gl-lost,quorrin-gl-restored',
              `the layer tells the page: ${told.join(', ') || 'nothing'}`);
        check(r.max === 0, `the held frame at 30.5 s drawn again after the restore: ${r.within.toFixed(3)} % ` +
                           `of the pixels the same, max difference ${r.max}`);
        check(heldProblems.length === 0, `held page: ${heldProblems.join('; ') || 'no errors'}`);
        await held.close();

        // A running page draws on after the restore, the show and not a black canvas.
        const runningProblems = [];
        const running = await openPage(browser, `${base}#t=20000`, runningProblems);
        await loseAndRestore(running);
        const frames = await framesShown(running);
        const drew = await running.waitForFunction(
            (n) => Number(document.getElementById('canvas').dataset.frames) >= n + 30, {timeout: 30000}, frames)
            .then(() => true, () => false);
        const lit = litShare(decodePng(await running.screenshot()));
        check(drew && lit > 20, `a running page after the restore: ${(await framesShown(running)) - frames} ` +
                                `frames more, ${lit.toFixed(1)} % of the picture lit`);
        check(runningProblems.length === 0, `running page: ${runningProblems.join('; ') || 'no errors'}`);
        await running.close();
    } finally {
        await browser.close();
        server.close();
    }
    if (failures.length > 0) {
        console.log(`${failures.length} failed`);
        process.exit(1);
    }
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
