// What the browser tests share: a static server for a folder on 127.0.0.1, Debian's
// headless Chromium driven through puppeteer-core (no browser download), the page's
// picture as pixels, and the comparison figures.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');
const puppeteer = require('puppeteer-core');

const chromium = '/usr/bin/chromium-headless-shell';
// Software WebGL2 (SwiftShader) and nothing that goes out to the network; colours as drawn.
const chromiumArguments = [
    '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--no-first-run', '--force-color-profile=srgb',
];
const contentTypes = {
    '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
    '.wasm': 'application/wasm', '.ogg': 'audio/ogg',
};

// Serves folder at http://127.0.0.1:PORT/ (wasm does not load from file://). A test's
// answer(name, data, response) may answer a file itself (and returns true where it did).
function serve(folder, answer = () => false) {
    const server = http.createServer((request, response) => {
        const file = path.join(folder, decodeURIComponent(new URL(request.url, 'http://x').pathname));
        fs.readFile(file, (error, data) => {
            if (error || !file.startsWith(folder)) {
                response.writeHead(404);
                response.end();
                return;
            }
            if (answer(path.basename(file), data, response)) return;
            response.writeHead(200, {'Content-Type': contentTypes[path.extname(file)] || 'application/octet-stream',
                                     'Content-Length': data.length});
            response.end(data);
        });
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// extraArguments: '--autoplay-policy=no-user-gesture-required' lets sound start at once.
function launchBrowser(extraArguments = []) {
    return puppeteer.launch({executablePath: chromium, args: [...chromiumArguments, ...extraArguments]});
}

// The page at url in a width x height window, as shown once its program has drawn a frame
// (the canvas's data-frames): {width, height, rgb}.
async function pagePicture(browser, url, width, height) {
    const page = await browser.newPage();
    const problems = [];
    page.on('pageerror', (error) => problems.push(error.message));
    await page.setViewport({width, height, deviceScaleFactor: 1});
    await page.goto(url);
    await page.waitForFunction(() => Number(document.getElementById('canvas').dataset.frames || 0) >= 1,
                               {timeout: 120000});
    const shot = await page.screenshot();
    await page.close();
    if (problems.length > 0) throw new Error(`${url}: ${problems.join('; ')}`);
    return decodePng(shot);
}

// 8-bit RGB or RGBA PNG without interlacing, as Chromium and the capture write them.
function decodePng(buffer) {
    let offset = 8, width = 0, height = 0, channels = 0;
    const compressed = [];
    while (offset < buffer.length) {
        const length = buffer.readUInt32BE(offset);
        const type = buffer.toString('ascii', offset + 4, offset + 8);
        const data = buffer.subarray(offset + 8, offset + 8 + length);
        if (type === 'IHDR') {
            width = data.readUInt32BE(0);
            height = data.readUInt32BE(4);
            channels = {2: 3, 6: 4}[data[9]];
            if (data[8] !== 8 || data[12] !== 0 || channels === undefined) throw new Error('PNG kind not read here');
        }
        if (type === 'IDAT') compressed.push(data);
        offset += 12 + length;
    }
    const stride = width * channels;
    const raw = zlib.inflateSync(Buffer.concat(compressed));
    const rgb = Buffer.alloc(width * height * 3);
    let previous = Buffer.alloc(stride);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
        for (let i = 0; i < stride; ++i) {
            const a = i >= channels ? line[i - channels] : 0, b = previous[i];
            const c = i >= channels ? previous[i - channels] : 0;
            const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
            const paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            line[i] = (line[i] + [0, a, b, (a + b) >> 1, paeth][filter]) & 255;
        }
        for (let x = 0; x < width; ++x) line.copy(rgb, (y * width + x) * 3, x * channels, x * channels + 3);
        previous = line;
    }
    return {width, height, rgb};
}

function pngChunk(type, data) {
    const length = Buffer.alloc(4);
    length.writeUInt32BE(data.length);
    const body = Buffer.concat([Buffer.from(type, 'ascii'), data]);
    let crc = 0xffffffff;
    for (const byte of body) {
        crc ^= byte;
        for (let bit = 0; bit < 8; ++bit) crc = crc & 1 ? 0xedb88320 ^ (crc >>> 1) : crc >>> 1;
    }
    const check = Buffer.alloc(4);
    check.writeUInt32BE((crc ^ 0xffffffff) >>> 0);
    return Buffer.concat([length, body, check]);
}

// For a look by eye: the pictures the tests saw, as RGB PNG files.
function encodePng({width, height, rgb}) {
    const header = Buffer.alloc(13);
    header.writeUInt32BE(width, 0);
    header.writeUInt32BE(height, 4);
    header[8] = 8;
    header[9] = 2;
    const raw = Buffer.alloc((width * 3 + 1) * height);
    for (let y = 0; y < height; ++y) rgb.copy(raw, y * (width * 3 + 1) + 1, y * width * 3, (y + 1) * width * 3);
    return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), pngChunk('IHDR', header),
                          pngChunk('IDAT', zlib.deflateSync(raw)), pngChunk('IEND', Buffer.alloc(0))]);
}

// Binary PPM, top row first.
function decodePpm(buffer) {
    const header = buffer.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
    return {width: Number(header[1]), height: Number(header[2]), rgb: buffer.subarray(header[0].length)};
}

// Over the rectangle (top-left origin): mean absolute difference per channel, the share of
// pixels whose channels all lie within `near` levels, and the largest difference. With
// litOnly, only pixels that are not black in one picture or the other count.
function compare(a, b, near, box = {x: 0, y: 0, width: a.width, height: a.height}, litOnly = false) {
    if (a.width !== b.width || a.height !== b.height) throw new Error('pictures of different sizes');
    let sum = 0, within = 0, max = 0, pixels = 0;
    for (let y = box.y; y < box.y + box.height; ++y) {
        for (let x = box.x; x < box.x + box.width; ++x) {
            const i = (y * a.width + x) * 3;
            if (litOnly && Math.max(...a.rgb.subarray(i, i + 3), ...b.rgb.subarray(i, i + 3)) === 0) continue;
            let pixelMax = 0;
            for (let k = 0; k < 3; ++k) {
                const d = Math.abs(a.rgb[i + k] - b.rgb[i + k]);
                sum += d;
                pixelMax = Math.max(pixelMax, d);
            }
            if (pixelMax <= near) ++within;
            max = Math.max(max, pixelMax);
            ++pixels;
        }
    }
    return {mean: sum / (pixels * 3), within: (100 * within) / pixels, max};
}

module.exports = {serve, launchBrowser, pagePicture, decodePng, encodePng, decodePpm, compare};
