// Reads the words on a screenshot with Tesseract, as a player reads the screen:
// the game's texts are checked by what they say and clicked where they stand.
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');

// The words of a PNG with their boxes (pixels of the picture). Only the light
// pixels are kept (the game's text is white, with a dark edge), made black on
// white and doubled in size, as Tesseract reads best. Over the 3D scene
// (`vaalea`) no one cut-off both drops the light sky and keeps every thin
// letter over the dark ground, so the picture is read at two and the words of
// both count.
function Sanat(png, tyokansio, nimi, vaalea) {
    const kuva = `${tyokansio}/${nimi}.png`;
    fs.writeFileSync(kuva, png);
    const sanat = [];
    (vaalea ? ['82%', '60%'] : ['60%']).forEach((raja, i) => {
        const luettava = `${tyokansio}/${nimi}-luettu${i ? '-' + (i + 1) : ''}.png`;
        execFileSync('convert', [kuva, '-channel', 'RGB', '-separate', '-evaluate-sequence', 'min',
            '-threshold', raja, '-negate', '-resize', '200%', luettava]);
        const tsv = execFileSync('tesseract', [luettava, 'stdout', '--psm', '11', 'tsv'], {
            stdio: ['ignore', 'pipe', 'ignore'],
        }).toString();
        for (const rivi of tsv.split('\n').slice(1)) {
            const k = rivi.split('\t');
            if (k.length < 12 || k[0] !== '5' || !k[11].trim()) continue;
            sanat.push({ teksti: k[11].trim(), x: k[6] / 2, y: k[7] / 2, w: k[8] / 2, h: k[9] / 2 });
        }
    });
    return sanat;
}

// The mean and the spread (0..1) of a rectangle's brightness in a PNG file.
function Alue(kuva, x, y, w, h) {
    const [keski, hajonta] = execFileSync('convert', [kuva, '-crop', `${w}x${h}+${x}+${y}`, '-colorspace',
        'gray', '-format', '%[fx:mean] %[fx:standard_deviation]', 'info:']).toString().split(' ').map(Number);
    return { keski, hajonta };
}

function Siisti(s) {
    return s.toLowerCase().replace(/[^a-z0-9äö]/g, '');
}

// A word as read: the same, or for a word of four letters or more one letter
// off (one letter changed, added or dropped), as Tesseract may read a letter
// over the busy picture of a flight ("Bubples").
function Sama(luettu, haettu) {
    if (luettu === haettu) return true;
    if (haettu.length < 4 || Math.abs(luettu.length - haettu.length) > 1) return false;
    let i = 0;
    while (i < luettu.length && i < haettu.length && luettu[i] === haettu[i]) i++;
    const loput = (a, b) => luettu.slice(a) === haettu.slice(b);
    return loput(i + 1, i + 1) || loput(i, i + 1) || loput(i + 1, i);
}

// Tesseract may give the words of one line as lines of their own: a line is
// where the words stand.
function SamallaRivilla(a, b) {
    return Math.abs(a.y + a.h / 2 - (b.y + b.h / 2)) < Math.max(a.h, b.h) / 2;
}

// The box of a phrase (its words in order on one line), or null.
function Etsi(sanat, lause) {
    const haetut = lause.split(/\s+/).map(Siisti).filter((s) => s);
    for (let i = 0; i + haetut.length <= sanat.length; i++) {
        let loytyi = true;
        for (let j = 0; j < haetut.length && loytyi; j++)
            loytyi = Sama(Siisti(sanat[i + j].teksti), haetut[j]) && SamallaRivilla(sanat[i], sanat[i + j]);
        if (!loytyi) continue;
        const osat = sanat.slice(i, i + haetut.length);
        const x = Math.min(...osat.map((s) => s.x)), y = Math.min(...osat.map((s) => s.y));
        const x2 = Math.max(...osat.map((s) => s.x + s.w)), y2 = Math.max(...osat.map((s) => s.y + s.h));
        return { x, y, w: x2 - x, h: y2 - y, kx: (x + x2) / 2, ky: (y + y2) / 2 };
    }
    return null;
}

function Teksti(sanat) {
    return sanat.map((s) => s.teksti).join(' ');
}

module.exports = { Sanat, Etsi, Teksti, Alue };
