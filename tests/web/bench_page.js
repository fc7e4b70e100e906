// The browser version's figures: how long the page takes from being opened to its first
// frame (three fresh loads, nothing cached), from the site and from the one file on the
// disk, then index.html#bench, the show's 4800 frames stepped at 60 fps, each drawn and
// finished, with its per-scene table. A device scale factor gives a phone's screen: CSS
// pixels times the factor on the canvas.
//   node tests/web/bench_page.js SITE WIDTH HEIGHT [SCALE [ONE_FILE]]
'use strict';
const path = require('path');
const {serve, launchBrowser} = require('./support');

(async () => {
    const [site, width, height] = [path.resolve(process.argv[2]), Number(process.argv[3]), Number(process.argv[4])];
    const deviceScaleFactor = Number(process.argv[5] || 1);
    const oneFile = process.argv[6] ? path.resolve(process.argv[6]) : null;
    const server = await serve(site);
    const base = `http://127.0.0.1:${server.address().port}`;
    const browser = await launchBrowser(['--autoplay-policy=no-user-gesture-required']);
    const viewport = {width, height, deviceScaleFactor};
    const size = `${width}x${height} at ${deviceScaleFactor}x`;
    const loadTimes = async (url) => {
        const loads = [];
        for (let run = 0; run < 3; ++run) {
            const page = await browser.newPage();
            await page.setCacheEnabled(false);
            await page.setViewport(viewport);
            const start = Date.now();
            await page.goto(url);
            await page.waitForFunction(() => Number(document.getElementById('canvas').dataset.frames || 0) >= 1,
                                       {timeout: 60000, polling: 5});
            loads.push(Date.now() - start);
            await page.close();
        }
        return loads.join(' ms, ');
    };
    console.log(`page opened to first frame, ${size}, three loads: ${await loadTimes(`${base}/index.html`)} ms`);
    if (oneFile) console.log(`the one file from the disk to first frame, ${size}: ${await loadTimes(`file://${oneFile}`)} ms`);

    const page = await browser.newPage();
    await page.setViewport(viewport);
    // The page prints the header, the table's head, a row a scene and the row for all.
    const lines = [];
    const table = new Promise((done) => page.on('console', (message) => {
        if (message.text().startsWith('quorrin --bench')) lines.length = 0;
        lines.push(message.text());
        if (message.text().startsWith('all')) done(lines.join('\n'));
    }));
    await page.goto(`${base}/index.html#bench`);
    console.log(`${await table}  (${await browser.version()}, software WebGL2)`);
    await browser.close();
    server.close();
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
