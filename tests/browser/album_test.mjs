// Makes the sample album with lumenfold-cli in each layout, opens every page
// from its folder in headless Chromium and checks what the browser draws.
//
// Usage: node album_test.mjs CLI SAMPLE_FOLDER WORK_FOLDER
// Screenshots land in WORK_FOLDER as album-<layout>.png. With
// ALBUM_TEST_REMOVE=NAME, that file is taken out of each folder after the page
// is written, which the checks must catch.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [cli, samples, work] = process.argv.slice(2);
if (!cli || !samples || !work) {
  console.error('usage: node album_test.mjs CLI SAMPLE_FOLDER WORK_FOLDER');
  process.exit(2);
}

const TITLE = 'Sample album';
const layouts = [
  { size: 'full', box: null, colour: 'cyan', rgb: 'rgb(208, 255, 255)' },
  { size: '2', box: [256, 192], colour: 'magenta', rgb: 'rgb(255, 208, 255)' },
  { size: '3', box: [160, 120], colour: 'green', rgb: 'rgb(208, 255, 208)' },
  { size: '4', box: [128, 96], colour: 'yellow', rgb: 'rgb(255, 255, 208)' },
];
const SKIPPED = ['route.txt.bak', 'DSC.htm'];

let failures = 0;
function check(holds, what) {
  if (!holds) {
    failures += 1;
    console.error(`FAIL ${what}`);
  }
}

function makeAlbum(layout) {
  const folder = path.join(work, `album-${layout.size}`);
  fs.rmSync(folder, { recursive: true, force: true });
  fs.cpSync(samples, folder, { recursive: true });
  execFileSync(cli, [folder, '--filter', 'all', '--size', layout.size, '--colour', layout.colour,
    '--title', TITLE, '--upper-comment', 'Day one', '--lower-comment', 'Taken by me',
    '--always-rule', '--spacious', '--stamp-date', '--yes', '--quiet']);
  if (process.env.ALBUM_TEST_REMOVE) fs.rmSync(path.join(folder, process.env.ALBUM_TEST_REMOVE));
  return folder;
}

// Every file the page refers to, as the browser resolved it.
function fileOf(url) {
  return url.startsWith('file:') ? fileURLToPath(url) : null;
}

async function checkPage(browser, layout) {
  const folder = makeAlbum(layout);
  const page = await browser.newPage();
  await page.goto(pathToFileURL(path.join(folder, 'DSC.htm')).href, { waitUntil: 'load' });
  const seen = await page.evaluate(() => ({
    title: document.title,
    background: getComputedStyle(document.body).backgroundColor,
    images: [...document.images].map((img) => ({
      src: img.src, complete: img.complete, naturalWidth: img.naturalWidth,
      naturalHeight: img.naturalHeight, width: img.getBoundingClientRect().width,
      height: img.getBoundingClientRect().height, linked: img.closest('a') !== null,
    })),
    links: [...document.links].map((a) => a.href),
    text: document.body.innerText,
  }));
  const where = `layout ${layout.size}`;
  check(seen.title === TITLE, `${where}: title is "${seen.title}"`);
  check(seen.background === layout.rgb, `${where}: background is ${seen.background}`);
  const pictures = fs.readdirSync(folder).filter((n) => /\.(jpe?g|JPE?G|gif|GIF)$/.test(n) && !n.startsWith('.'));
  check(seen.images.length === pictures.length,
    `${where}: ${seen.images.length} pictures drawn, ${pictures.length} in the folder`);
  for (const img of seen.images) {
    const name = path.basename(fileOf(img.src) ?? img.src);
    check(img.complete && img.naturalWidth > 0, `${where}: ${name} did not load`);
    if (layout.box) {
      check(img.width === layout.box[0] && img.height === layout.box[1],
        `${where}: ${name} drawn ${img.width}x${img.height}, not ${layout.box.join('x')}`);
      check(img.linked, `${where}: thumbnail ${name} is not linked`);
    } else {
      check(img.width === img.naturalWidth && img.height === img.naturalHeight,
        `${where}: ${name} drawn ${img.width}x${img.height}, not its own size`);
    }
  }
  for (const url of [...seen.links, ...seen.images.map((i) => i.src)]) {
    const file = fileOf(url);
    check(file !== null && fs.existsSync(file), `${where}: ${url} leads to no file`);
    check(file === null || path.dirname(file) === folder, `${where}: ${url} leaves the folder`);
    for (const skipped of SKIPPED) check(!url.endsWith(`/${encodeURI(skipped)}`), `${where}: links ${skipped}`);
  }
  for (const skipped of SKIPPED) check(!seen.text.includes(skipped), `${where}: shows ${skipped}`);
  check(seen.links.some((u) => u.endsWith('/notes.htm')), `${where}: no link to notes.htm`);
  check(seen.links.some((u) => u.endsWith('/route.txt')), `${where}: no link to route.txt`);
  await page.screenshot({ path: path.join(work, `album-${layout.size}.png`), fullPage: true });
  await page.close();
}

const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lumenfold-chromium-'));
// A new, empty profile (--user-data-dir), and nothing that talks to the network.
const browser = await chromium.launchPersistentContext(profile, {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  viewport: { width: 1000, height: 800 },
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-quic'],
});
try {
  for (const layout of layouts) await checkPage(browser, layout);
} finally {
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
if (failures > 0) {
  console.error(`${failures} check(s) failed`);
  process.exit(1);
}
console.log(`All ${layouts.length} layouts drawn as promised.`);
