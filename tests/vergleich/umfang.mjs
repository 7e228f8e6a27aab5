// The whole model's bounds beside those of a peer reader, three-rwx-loader,
// for every real model: node umfang.mjs NUKCHECK MODEL.rwx...
// The peer scales its result by 10; its vertices are taken one by one.
import { spawnSync } from 'child_process';
import fs from 'fs';
import RWXLoader from 'three-rwx-loader';
import { Box3 } from 'three';

const [ nukcheck, ...dateien ] = process.argv.slice( 2 );
const lauf = spawnSync( nukcheck, [ '--json', ...dateien ], { encoding: 'utf8', maxBuffer: 1 << 26 } );
if ( lauf.status !== 0 && lauf.status !== 1 ) {

	console.error( `nukcheck endete mit ${lauf.status}: ${lauf.stderr}` );
	process.exit( 2 );

}
const unsere = new Map( lauf.stdout.trim().split( '\n' ).map( ( z ) => JSON.parse( z ) ).map( ( o ) => [ o.file, o.model.bounds ] ) );

const loader = new RWXLoader();
loader.setEnableTextures( false );
loader.setWaitFullLoad( false );
loader.setFlatten( false );

let schlechteste = 0, verglichen = 0, fehler = 0;
for ( const datei of dateien ) {

	const text = fs.readFileSync( datei, 'latin1' );
	const gruppe = await new Promise( ( fertig ) => loader.parse( datei, text, '', fertig ) );
	gruppe.updateMatrixWorld( true );
	const b = new Box3().setFromObject( gruppe, true );
	const peer = b.isEmpty() ? null : [ b.min.x, b.min.y, b.min.z, b.max.x, b.max.y, b.max.z ].map( ( v ) => v / 10 );
	const wir = unsere.get( datei );
	if ( peer === null || wir === null || wir === undefined ) {

		if ( ( peer === null ) !== ( wir === null ) ) {

			console.log( `${datei}: Umfang ${JSON.stringify( wir )}, three-rwx-loader ${JSON.stringify( peer )}` );
			fehler ++;

		}
		continue;

	}
	const groesse = Math.max( peer[ 3 ] - peer[ 0 ], peer[ 4 ] - peer[ 1 ], peer[ 5 ] - peer[ 2 ], 1e-30 );
	const abstand = Math.max( ...wir.map( ( v, i ) => Math.abs( v - peer[ i ] ) ) ) / groesse;
	schlechteste = Math.max( schlechteste, abstand );
	verglichen ++;
	if ( abstand > 1e-4 ) {

		console.log( `${datei}: Umfang ${JSON.stringify( wir )}, three-rwx-loader ${JSON.stringify( peer )}` );
		fehler ++;

	}

}
console.log( `${verglichen} Modelle verglichen, größte Abweichung ${schlechteste.toExponential( 2 )} der Modellgröße, ${fehler} über 1e-4` );
process.exit( fehler ? 1 : 0 );
