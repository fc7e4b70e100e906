// The browser build's frames against the native show's: each moment opened as
// index.html#t=MS&paused at a 4:3 and at a wide size, compared with quorrin-capture's still
// of the same moment and size; and on a touch phone, the moment a tap on the paused
// timeline lands on. Both pictures are kept in OUT_DIR/WxH/ for a look by eye.
// node test_frames.js SITE_DIR QUORRIN_CAPTURE OUT_DIR   (the capture needs an X display)
'use strict';
const {execFileSync} = require('child_process');
const fs = require('fs');
const path = require('path');
const {serve, launchBrowser, pagePicture, decodePng, encodePng, compare} = require('./support.js');

const moments = [
    {ms: 3000, what: 'scene 1: sprite swirl, sphere-mapped sculpture, first picture'},
    {ms: 9000, what: 'scene 1: inside the ring cage, wide red lines, green picture'},
    {ms: 20000, what: 'scene 2: the box field, sprite field, lattice'},
    {ms: 30500, what: 'scene 2: boxes, floor panels fading, cube ring with logo'},
    {ms: 40000, what: 'scene 3: the tower\'s wide lines, greeting cards'},
    {ms: 44000, what: 'scene 3: tower, line cylinder, string rings'},
    {ms: 48200, what: 'scene 3: a white flash'},
    {ms: 52000, what: 'scene 4: the lit tile rings and the box structure'},
    {ms: 63000, what: 'scene 4: the white veil'},
    {ms: 64800, what: 'scene 5: the opening veil over the box rings'},
    {ms: 70000, what: 'scene 5: the credits at rest'},
    {ms: 76000, what: 'scene 5: the title'},
];
const sizes = [[800, 600], [1280, 720]];
const greatestMean = 1; // levels per channel
const leastWithin8 = 99; // per cent of the pixels within 8 levels on every channel

// A tap on the timeline of a paused phone page lands on a moment and holds it: the picture
// there is the capture's still of that moment (the controls lie below it).
async function timelineLanding(browser, url, capture, outDir) {
    const [width, height] = [360, 640];
    const page = await browser.newPage();
    await page.setViewport({width, height, hasTouch: true, isMobile: true});
    await page.goto(`${url}#t=1000&paused`);
    await page.waitForFunction(() => Number(document.getElementById('canvas').dataset.frames || 0) >= 1,
                               {timeout: 120000});
    // The first tap plays the paused moment and shows the controls; Pause holds it again.
    await page.touchscreen.tap(180, 320);
    await page.waitForFunction(() => !Module.player.paused, {timeout: 10000});
    await (await page.$('::-p-aria(Pause)')).tap();
    await page.waitForFunction(() => Module.player.paused, {timeout: 10000});
    const track = await (await page.$('#time')).boundingBox();
    await page.touchscreen.tap(track.x + track.width * 0.55, track.y + track.height / 2);
    await page.waitForFunction(() => {
        const shown = Number(document.getElementById('canvas').dataset.showMs);
        return Module.player.paused && shown !== 1000 && shown === Number(document.getElementById('time').value);
    }, {timeout: 30000});
    const ms = await page.$eval('#canvas', (canvas) => Number(canvas.dataset.showMs));
    await new Promise((done) => setTimeout(done, 500));
    const web = decodePng(await page.screenshot());
    await page.close();
    const folder = path.join(outDir, `${width}x${height}`);
    fs.rmSync(folder, {recursive: true, force: true});
    execFileSync(capture, ['--png', folder, '--still', String(ms), '--size', `${width}x${height}`],
                 {stdio: ['ignore', 'ignore', 'pipe']});
    const name = String(ms).padStart(5, '0');
    const native = decodePng(fs.readFileSync(path.join(folder, `still-${name}.png`)));
    fs.writeFileSync(path.join(folder, `web-${name}.png`), encodePng(web));
    const picture = {x: 0, y: (height - 270) / 2, width, height: 270};
    const r = compare(web, native, 8, picture);
    const pass = r.mean <= greatestMean && r.within >= leastWithin8;
    console.log(`${pass ? 'ok  ' : 'FAIL'} ${width}x${height} phone, the paused timeline tapped: lands on ${ms} ms, ` +
                `mean ${r.mean.toFixed(3)}, ${r.within.toFixed(3)} % within 8, max ${r.max}`);
    return pass;
}

async function main([site, capture, outDir]) {
    const server = await serve(path.resolve(site));
    const browser = await launchBrowser();
    let failed = 0;
    try {
        for (const [width, height] of sizes) {
            const folder = path.join(outDir, `${width}x${height}`);
            fs.rmSync(folder, {recursive: true, force: true});
            execFileSync(capture, ['--png', folder, '--still', moments.map((m) => m.ms).join(','),
                                   '--size', `${width}x${height}`], {stdio: ['ignore', 'ignore', 'pipe']});
            for (const {ms, what} of moments) {
                const name = String(ms).padStart(5, '0');
                const native = decodePng(fs.readFileSync(path.join(folder, `still-${name}.png`)));
                const web = await pagePicture(
                    browser, `http://127.0.0.1:${server.address().port}/index.html#t=${ms}&paused`, width, height);
                fs.writeFileSync(path.join(folder, `web-${name}.png`), encodePng(web));
                const r = compare(web, native, 8);
                const pass = r.mean <= greatestMean && r.within >= leastWithin8;
                if (!pass) ++failed;
                console.log(`${pass ? 'ok  ' : 'FAIL'} ${width}x${height} ${name} ms: mean ${r.mean.toFixed(3)}, ` +
                            `${r.within.toFixed(3)} % within 8, max ${r.max}  (${what})`);
            }
        }
        const page = `http://127.0.0.1:${server.address().port}/index.html`;
        if (!(await timelineLanding(browser, page, capture, outDir))) ++failed;
    } finally {
        await browser.close();
        server.close();
    }
    console.log(failed === 0 ? 'Every frame is within mean 1 and 99 % within 8 levels.' : `${failed} frames out of bounds.`);
    return failed === 0 ? 0 : 1;
}

main(process.argv.slice(2)).then((status) => process.exit(status), (error) => {
    console.error(error);
    process.exit(1);
});
