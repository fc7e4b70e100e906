// The GL layer's own faults that a frame of the show would not name: small cases whose
// pixels fixed-function GL settles exactly, drawn in the browser by the layer and natively by
// Mesa from the same code (layer_cases.cpp), compared tile by tile.
// node test_layer_cases.js LAYER_CASES_SITE NATIVE_PPM
'use strict';
const fs = require('fs');
const {serve, launchBrowser, pagePicture, decodePpm, compare} = require('./support.js');

// Tiles from the lower left, as GL counts them. `near`: levels a pixel may be off; `least`:
// the share of the tile's pixels (litOnly: of those drawn in either) that must be that near. A wrong split, width, end rule,
// light or mapping moves far more than these allow; edges on the browser's coarser grid
// account for what is left.
const cases = [
    {tile: 0, name: 'quad strip and quad split along the diagonals Mesa uses', near: 2, least: 99.5},
    {tile: 1, name: 'lines of widths 1, 3 and 4: their pixels', near: 0, least: 99, litOnly: true},
    {tile: 2, name: 'faces lit by light 0 with colour material', near: 1, least: 99.5},
    {tile: 3, name: 'sphere-map texture coordinates of a known normal', near: 2, least: 99.5},
];
const tileWidth = 160, tileHeight = 120, columns = 2, rows = 2;

async function main([site, nativeFile]) {
    const native = decodePpm(fs.readFileSync(nativeFile));
    const server = await serve(site);
    const browser = await launchBrowser();
    try {
        const web = await pagePicture(browser, `http://127.0.0.1:${server.address().port}/index.html`,
                                      tileWidth * columns, tileHeight * rows);
        let failed = 0;
        for (const c of cases) {
            const box = {x: (c.tile % columns) * tileWidth, y: (rows - 1 - Math.floor(c.tile / columns)) * tileHeight,
                         width: tileWidth, height: tileHeight};
            const r = compare(web, native, c.near, box, c.litOnly);
            const pass = r.within >= c.least;
            if (!pass) ++failed;
            console.log(`${pass ? 'ok  ' : 'FAIL'} ${c.name}: ${r.within.toFixed(2)} % within ${c.near} ` +
                        `(at least ${c.least}), mean ${r.mean.toFixed(3)}, max ${r.max}`);
        }
        return failed === 0 ? 0 : 1;
    } finally {
        await browser.close();
        server.close();
    }
}

main(process.argv.slice(2)).then((status) => process.exit(status), (error) => {
    console.error(error);
    process.exit(1);
});
